#pragma once

class SingleInstanceLock;

// The start of the program, in order: refuse a second copy of the same executable (the lock then stays
// held by `lock` for the life of the process), read the skin setting from DezArod.ini (creating
// the file when there is none), fill the skin table and apply the chosen skin. False when the
// program must end now; the reason has been shown.
bool Main(SingleInstanceLock& lock);
