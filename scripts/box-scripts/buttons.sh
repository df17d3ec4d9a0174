# Extra and Help buttons, and statuses renamed through the environment.
# expect: 3 
# expect: 2 
# expect: 9 
keys Tab Enter
$DIALOG --extra-button --extra-label Details --msgbox "Done." 0 0
answer $? ""
keys BackTab Enter
$DIALOG --help-button --msgbox "Done." 0 0
answer $? ""
keys Esc
DIALOG_ESC=9 $DIALOG --msgbox "Done." 0 0
answer $? ""
