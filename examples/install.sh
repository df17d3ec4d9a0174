#!/bin/sh
# install.sh - an install-like sequence driven by the box program: welcome,
# licence, question, target directory, password, progress, and a last word.
# Each box answers through its exit status; entered texts come back on
# standard output through --stdout. VELMORA_BOX names the program to run.
box=${VELMORA_BOX:-velmora-box}
back="Example installer"
licence=$(mktemp) || exit 1
trap 'rm -f "$licence"' EXIT
printf 'EXAMPLE LICENCE\n\nYou may use this example for anything.\nScroll with the arrows, search with /.\n' >"$licence"

$box --backtitle "$back" --title Welcome --msgbox "This installs nothing at all,\nbut shows every box." 0 0 || exit 1
$box --backtitle "$back" --title Licence --textbox "$licence" 12 60 || exit 1
$box --backtitle "$back" --yes-button Accept --no-button Decline --yesno "Accept the licence?" 0 0
case $? in
  0) ;;
  1) echo "Licence declined."; exit 1 ;;
  *) exit 1 ;;
esac
dir=$($box --backtitle "$back" --stdout --inputbox "Install into which directory?" 0 0 /opt/example) || exit 1
secret=$($box --backtitle "$back" --stdout --passwordbox "Administrator password (any text):" 0 0) || exit 1
[ -n "$secret" ] || echo "No password given."

for percent in 0 20 40 60 80 100; do
  if [ "$percent" = 60 ]; then
    printf 'XXX\n%s\nWriting the settings\nXXX\n' "$percent"
  else
    echo "$percent"
  fi
  sleep 0.1
done | $box --backtitle "$back" --title Progress --gauge "Copying files into $dir" 0 50

$box --backtitle "$back" --infobox "Cleaning up..." 0 0
sleep 0.5
$box --backtitle "$back" --msgbox "Installed into $dir." 0 0
echo "Installed into $dir."
