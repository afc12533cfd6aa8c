#!/bin/sh
# Installs what the build needs, builds dayplotx and dayplotw into build/, and charts the
# bundled example night with dayplotx, the answers piped in.
set -eu
cd "$(dirname "$0")/.."
. tools/packages.sh
install_packages $build_packages || exit 1
cmake --preset programs >/dev/null
cmake --build --preset programs
echo
printf '%s\n' "printf 'examples/night.txt y 20 76\\n' | build/dayplotx"
echo "(the answers are piped in, so the terminal echoes none of them, nor an Enter after"
echo " each: the prompts and the first listing line run together)"
printf 'examples/night.txt y 20 76\n' | build/dayplotx
echo
