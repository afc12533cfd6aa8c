
data file name = 
UT‚É•ÏŠ·‚µ‚Ü‚·‚© (y/n) 
y axis =x axis =   9.50  12.500 
  10.25  15.250 
  10.25  15.250 
