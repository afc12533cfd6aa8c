#!/bin/sh
# wine.sh start|stop WINEDIR: keeps one wine server up across the tests, so that each run
# of a Windows program does not start its own. Everything wine starts is cut off from the
# test runner's output, or the runner would wait for it.
cmd=$1 dir=$2
if [ "$cmd" = stop ]; then
    "$dir/wineserver" -k 2>/dev/null
    exit 0
fi
# the first start makes the prefix; let its server end, then start one that stays
"$dir/wine64" wineboot </dev/null >/dev/null 2>&1
"$dir/wineserver" -w
"$dir/wineserver" -p </dev/null >/dev/null 2>&1
"$dir/wine64" wineboot </dev/null >/dev/null 2>&1
exit 0
