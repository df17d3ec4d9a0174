# comments.awk - Doxygen's input filter for the public headers: turns their
# plain // comments into documentation without changing the headers.
#   the comment that opens a file      -> the class's description, moved to it
#   a comment block before a member    -> that member's description
#   a one-line lower-case label        -> stays a plain comment (a role label)
#   a comment after code on its line   -> the description of that code (///<)
#   its continuation lines             -> the same
function flush(   i, label) {
    if (n == 0) return
    label = (n == 1 && block[1] ~ /^[ \t]*\/\/ *[a-z]/)
    for (i = 1; i <= n; i++) {
        if (label) print block[i]
        else { line = block[i]; sub(/\/\//, "///", line); print line }
    }
    n = 0
}
/^#define VELMORA_[A-Z_]*_H$/ { print; inHeader = 1; next }
inHeader && /^\/\// { header[++h] = $0; print ""; next }
inHeader && /^class [A-Za-z]+[^;]*$/ {
    for (i = 1; i <= h; i++) { line = header[i]; sub(/\/\//, "///", line); print line }
    inHeader = 0; print; next
}
/^[ \t]*\/\// {
    if (afterCode && $0 ~ /^         +\/\//) { sub(/\/\//, "///<"); print; next }
    block[++n] = $0; afterCode = 0; next
}
{
    flush()
    afterCode = 0
    if (match($0, /[;{},)][ \t]*\/\/ ?/)) {
        sub(/\/\/ ?/, "///< ")
        afterCode = 1
    }
    print
}
END { flush() }
