#!/bin/sh
# libcxx.sh BUILD: the programs hold no symbol of the C++ library, so what shows that a build
# took libc++ is the headers each object was compiled from, as the compiler's dependency
# files in BUILD list them.
n=0
for d in $(find "$1" -name "*.o.d"); do
    n=$((n + 1))
    grep -q "/c++/v1/" "$d" || { echo "$d lists no libc++ header: the build took another C++ library"; exit 1; }
done
[ $n -gt 0 ] || { echo "no dependency file in $1: nothing shows which C++ library the build used"; exit 1; }
echo "$n objects, each compiled with libc++'s headers"
