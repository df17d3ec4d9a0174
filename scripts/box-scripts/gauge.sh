# A gauge fed percentages and a text block with a line break.
# expect: 0 
{ echo 10; echo XXX; echo 50; echo 'Copying\nfiles'; echo XXX; echo 100; } |
    $DIALOG --title Copying --gauge "Starting" 0 0 0
answer $? ""
