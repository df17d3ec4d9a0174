# The usual swap: the answer comes back on standard error, read through $(...).
# expect: 0 /srv/www-data
# expect: 1 
keys - d a t a Enter
dir=$($DIALOG --clear --inputbox "Web root:" 8 40 /srv/www 3>&1 1>&2 2>&3)
answer $? "$dir"
keys Tab Tab Enter
dir=$($DIALOG --ok-label Use --cancel-label Skip --inputbox "Web root:" 8 40 /srv/www 3>&1 1>&2 2>&3)
answer $? "$dir"
