
data file name = 
UT‚É•ÏŠ·‚µ‚Ü‚·‚© (y/n) 
y axis =x axis =   9.50  12.500 
  10.25  15.250 
  12.75  14.000 
  12.75  14.000 
Cannot open output file. 0
