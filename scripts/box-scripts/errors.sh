# A mistake in the call is an error status, and its message never becomes the answer.
# expect: 255 
# expect: 7 
out=$($DIALOG --inputbox "Name:" 8 abc 3>&1 1>&2 2>&3)
answer $? "$out"
out=$(DIALOG_ERROR=7 $DIALOG --no-such-option --msgbox hi 0 0 3>&1 1>&2 2>&3)
answer $? "$out"
