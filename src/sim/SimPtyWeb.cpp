// A browser has no pseudo-terminals: the WebAssembly build has no
// SimPtyServer (this file takes the place of SimPtyPosix.cpp there), and
// the page offers the simulated radio as its port "sim" instead.
