
data file name = 
UT‚É•ÏŠ·‚µ‚Ü‚·‚© (y/n) 
y axis =x axis =Cannot open input file. 0
