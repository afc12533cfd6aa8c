#!/bin/sh
# sources.sh SOURCE: the files of the release's sources, sorted: those git holds where SOURCE
# is a git checkout, else every file but .git and build*.
set -eu
cd "$1"
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
    git ls-files
else
    find . \( -path ./.git -o -path './build*' \) -prune -o ! -type d -print | sed 's|^\./||'
fi | LC_ALL=C sort
