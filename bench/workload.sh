#!/bin/sh
# Prints the benchmark workload: 4999 records over 50 days, 100 a day 10 minutes apart
# from 04:00, values 11.00 to 14.99, as in "V 202012012000 12.34 B".
awk 'BEGIN {
    for (i = 0; i < 4999; i++) {
        d = int(i / 100); k = i % 100
        if (d < 31) { y = 2020; m = 12; day = d + 1 } else { y = 2021; m = 1; day = d - 30 }
        t = 4 * 60 + k * 10
        printf "V %04d%02d%02d%02d%02d %d.%02d B\n", y, m, day, int(t / 60), t % 60,
            11 + int((i * 37 % 400) / 100), (i * 37 % 400) % 100
    }
}'
