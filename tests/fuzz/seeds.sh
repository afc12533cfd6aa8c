#!/bin/sh
# seeds.sh GOLDEN OUT: makes the fuzzer's seeds from the end-to-end cases whose first answer
# names one of their files, two a case: byte 0 picks the conventions (0 or 1), byte 1 is
# the length of the answers after the name, then those answers, then the named file.
set -eu
rm -rf "$2" && mkdir -p "$2"
perl -e '
    my ($golden, $out) = @ARGV;
    local $/;
    for my $case (glob "$golden/*") {
        open(my $a, "<:raw", "$case/answers") or next;
        my $answers = <$a>;
        $answers =~ /^\s*(\S+)/ or next;
        my ($file, $rest) = ("$case/files/$1", substr($answers, $+[0]));
        next if !-f $file || length($rest) > 255;
        open(my $d, "<:raw", $file) or next;
        my $data = <$d>;
        (my $name = $case) =~ s{.*/}{};
        for my $dos (0, 1) {
            open(my $o, ">:raw", "$out/$name.$dos") or die "$out: $!";
            print $o chr($dos), chr(length $rest), $rest, $data;
        }
    }' "$1" "$2"
