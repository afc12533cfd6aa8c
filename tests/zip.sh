#!/bin/bash
# zip.sh ZIP|BUILD SOURCE SCRATCH EMULATOR: checks the Windows zip (made by the build's target zip first when
# given a build folder): what it holds (text files with CR LF line ends, a README written for
# Windows, the manual pages as text), the executable's version, and its run on the example data
# against the golden bytes, directly and through the launcher dayplot.cmd.
set -eu
pkg=$1 src=$2 scratch=$3 emulator=$4 target=zip
. "$(dirname "$0")/package.sh"
zip=$pkg
golden=$src/tests/golden/example-night
# unpacked where the path has a blank, as under Program Files: the launcher must quote it
unzip -q "$zip" -d "$scratch/Program Files"
top=$(ls -d "$scratch/Program Files"/*/)
text="README.txt README-ja.txt manual.txt manual-ja.txt LICENSE.txt examples/night.txt dayplot.cmd"
for f in dayplotw.exe $text; do
    [ -f "$top/$f" ] || fail "the zip has no $f"
done
for f in $text; do
    perl -ne 'exit 1 unless /\r\n\z/' "$top/$f" || fail "$f has a line not ended in CR LF"
done
# Notepad of any Windows 10 or 11 reads their Japanese as UTF-8 after a byte order mark
for f in README.txt README-ja.txt manual.txt manual-ja.txt; do
    [ "$(head -c 3 "$top/$f" | od -An -tx1)" = " ef bb bf" ] || fail "$f has no UTF-8 byte order mark"
    iconv -f UTF-8 -t UTF-8 "$top/$f" >/dev/null || fail "$f is not UTF-8"
done
# the manual pages as plain text, of this version: no overstriking, no terminal's escapes
for f in manual.txt manual-ja.txt; do
    grep -q "^dayplot $version " "$top/$f" || fail "$f does not name dayplot $version"
    ! grep -q "$(printf '[\b\033]')" "$top/$f" || fail "$f holds backspaces or escapes"
    # the heading spans the page's 78 columns, each Japanese character two of them as in a console
    perl -CSD -ne 's/^\x{feff}//; s/\r\n//; $w = length; $w++ while /[\p{Ea=W}\p{Ea=F}]/g;
        exit($w != 78)' "$top/$f" || fail "$f's heading is not 78 columns wide: $(head -n 1 "$top/$f")"
done
# each language's text is that language's: the pages by their first heading, the READMEs by their title
for pair in "manual.txt:NAME" "manual-ja.txt:名前" "README.txt:dayplot $version for Windows" \
    "README-ja.txt:dayplot $version for Windows（日本語の説明）"; do
    f=${pair%%:*} want=${pair#*:}
    first=$(tr -d '\r' <"$top/$f" | sed '1s/^\xef\xbb\xbf//' | grep -v -e '^ *$' -e '(1) ' | head -n 1)
    [ "$first" = "$want" ] || fail "$f is not the one in its language: it begins '$first', not '$want'"
done
for pair in README.txt:README-ja.txt README-ja.txt:README.txt; do
    f=${pair%:*} other=${pair#*:}
    head -n 5 "$top/$f" | grep -q " $other" || fail "$f does not name $other in its first lines"
    grep -q "chcp 932" "$top/$f" || fail "$f is not the one for Windows"
    # its title underlined to the width a console gives it, each Japanese character two columns
    perl -CSD -ne 's/^\x{feff}//; s/\r\n//; $w = length; $w++ while /[\p{Ea=W}\p{Ea=F}]/g; push @w, $w;
        exit($w[0] != $w[1] || !/^=+$/) if $. == 2' "$top/$f" ||
        fail "$f's underline is not as wide as its title:" \
            "$(tr -d '\r' <"$top/$f" | sed -n '1s/^\xef\xbb\xbf//; 1,2p')"
done
! grep -Eq "apt-get|cmake|build/" "$top"/README*.txt || fail "a README.txt speaks of Linux"
tr -d '\r' <"$top/examples/night.txt" | cmp - "$golden/files/night.txt" ||
    fail "examples/night.txt is not the example with CR LF line ends"

# the version Explorer shows, read back: the fixed numbers (file, then product) and the strings
fixed=$(perl -0777 -ne '/\xbd\x04\xef\xfe.{4}(.{16})/s and
    printf "%d.%d.%d.%d %d.%d.%d.%d", (unpack "v8", $1)[1, 0, 3, 2, 5, 4, 7, 6]' "$top/dayplotw.exe")
[ "$fixed" = "$version.0 $version.0" ] ||
    fail "dayplotw.exe's file and product versions are '$fixed', not $version.0"
# its manifest: started as the user who starts it, no administrator's rights asked for
level=$(grep -ao 'requestedExecutionLevel level="[A-Za-z]*"' "$top/dayplotw.exe") || true
[ "$level" = 'requestedExecutionLevel level="asInvoker"' ] ||
    fail "dayplotw.exe's manifest asks for '$level', not asInvoker"
strings -el "$top/dayplotw.exe" >"$scratch/strings"
for key in FileVersion ProductVersion; do
    value=$(sed -n "/^$key\$/{n;p;q}" "$scratch/strings")
    [ "$value" = "$version" ] || fail "dayplotw.exe's $key is '$value', not $version"
done

cp "$top/examples/night.txt" "$scratch/run/"
cd "$scratch/run"
"$emulator" "$top/dayplotw.exe" <"$golden/answers" >console || fail "dayplotw.exe ended with $?"
# dayplotw: the same bytes with each line break as CR LF
perl -pe 's/\n/\r\n/' "$golden/out.x" >"$scratch/out.crlf"
cmp "$scratch/out.crlf" console || fail "the console is not the example's"
perl -pe 's/\n/\r\n/' "$golden/lc.x" | cmp - lc.txt || fail "lc.txt is not the example's"

# the launcher started from another folder, the answers and a key for its pause piped in: the
# program runs there, its bytes whole, and more after them: pause's prompt
mkdir "$scratch/launched" && cp night.txt "$scratch/launched/" && cd "$scratch/launched"
launcher=Z:$(printf %s "$top" | tr / '\\')dayplot.cmd
(cat "$golden/answers" && echo) | "$emulator" cmd /c "$launcher" >console ||
    fail "dayplot.cmd ended with $?"
perl -0777 -e 'open my $w, "<", $ARGV[0]; open my $c, "<", $ARGV[1]; exit(index(<$c>, <$w>) < 0)' \
    "$scratch/out.crlf" console ||
    fail "dayplot.cmd's console does not hold the example's: $(head -c 200 console)"
! cmp -s "$scratch/out.crlf" console ||
    fail "dayplot.cmd did not pause: its console is the program's alone"
