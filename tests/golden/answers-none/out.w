
data file name = Input ended before all answers were read.
