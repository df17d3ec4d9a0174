# Two boxes in one call: the answers come back separated by a tab, or by --separate-widget.
# expect: 0 alice	abc
# expect: 0 alice:secret
# expect: 255 
keys Enter a b c Enter
out=$($DIALOG --stdout --inputbox "User:" 0 0 alice --and-widget --passwordbox "Password:" 0 0)
answer $? "$out"
keys Enter Enter
out=$($DIALOG --stdout --separate-widget : --inputbox "User:" 0 0 alice --and-widget \
    --inputbox "Password:" 0 0 secret)
answer $? "$out"
keys Esc
out=$($DIALOG --stdout --inputbox "User:" 0 0 alice --and-widget --infobox "Never shown" 0 0)
answer $? "$out"
