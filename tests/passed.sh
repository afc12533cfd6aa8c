#!/bin/sh
# passed.sh STAMP COMMAND...: runs COMMAND and, when it succeeds, leaves the empty file STAMP:
# the release is published only where each of its tests has left one in this build.
stamp=$1
shift
rm -f "$stamp"
"$@" || exit
mkdir -p "$(dirname "$stamp")" && : >"$stamp"
