../outside
..
Channels
bad\name
evil
missing
garbage
