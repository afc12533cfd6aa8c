
data file name = 
UT‚É•ÏŠ·‚µ‚Ü‚·‚© (y/n) 
y axis =y axis must be a whole number from 2 to 79.

y axis =y axis must be a whole number from 2 to 79.

y axis =y axis must be a whole number from 2 to 79.

y axis =x axis =x axis must be a whole number from 4 to 79.
x axis =x axis must be a whole number from 4 to 79.
x axis =x axis must be a whole number from 4 to 79.
x axis =   9.50  12.500 
  10.25  15.250 
  12.75  14.000 
  12.75  14.000 

Y max=16 min=12 / X max=13 min=9

   |             
   |             
12 +  *          
13 +             
14 +           * 
15 +    *        
16 +             
    +--+--+--+--+
   09 10 11 12 13
1231 