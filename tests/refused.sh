#!/bin/sh
# refused.sh TEXT COMMAND...: passes when COMMAND fails and its output says TEXT (a fixed
# string); one that succeeds, or fails for another reason, fails the test and says which.
text=$1
shift
out=$("$@" 2>&1) && { echo "not refused (status 0): $*"; exit 1; }
printf '%s\n' "$out" | grep -qF -- "$text" && exit 0
printf '%s\n' "$out" | tail -n 20
echo "refused, but without saying \"$text\": $*"
exit 1
