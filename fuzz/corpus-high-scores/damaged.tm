A
12
B
  7 points
