
data file name = 
UT‚É•ÏŠ·‚µ‚Ü‚·‚© (y/n) 
y axis =x axis =  -0.42  -0.250 
  -0.42  -0.250 

Y max=0 min=0 / X max=0 min=0

   |             
   |             
   |             
   |             
*  |             
   |             
00 +             
    +------------
   00            
1231 