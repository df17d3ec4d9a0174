# lib.sh - sourced by each box script: `keys NAMES...` gives the next box its
# keys (names as in a key log: Tab, Enter, Esc, Down, a character), `answer`
# records a status and an answer for check-box to compare with the script's
# "# expect:" lines, in order.
keys() {
    : > "$BOX_KEYS"
    for k in "$@"; do echo "0.000 $k" >> "$BOX_KEYS"; done
    export VELMORA_REPLAY="$BOX_KEYS"
}
answer() { printf '%s %s\n' "$1" "$2" >> "$BOX_RESULT"; }
