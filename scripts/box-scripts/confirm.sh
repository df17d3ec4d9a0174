# An installer's confirmation: "Back" is the safe answer, so Enter must not install.
# expect: 1 
# expect: 0 
keys Enter
$DIALOG --title "Ready" --yes-button Install --no-button Back --defaultno \
    --yesno "Install the packages now?" 8 40
answer $? ""
keys Enter
$DIALOG --title "Ready" --yesno "Install the packages now?" 8 40
answer $? ""
