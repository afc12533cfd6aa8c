
data file name = 
UT‚É•ÏŠ·‚µ‚Ü‚·‚© (y/n) 
y axis =x axis =Cannot read input file.
