
data file name = 
UT‚É•ÏŠ·‚µ‚Ü‚·‚© (y/n) Input ended before all answers were read.
