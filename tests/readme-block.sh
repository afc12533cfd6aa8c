#!/bin/sh
# readme-block.sh FILE TEXT: prints the indented block of FILE (a README's commands) that
# holds a line with TEXT, its indent taken away, so that a test runs the lines as written.
awk -v text="$2" '/^    /{ b = b substr($0, 5) "\n"; if (index($0, text)) hit = 1; next }
    hit { exit } { b = "" }
    END { if (hit) printf "%s", b }' "$1"
