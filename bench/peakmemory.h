#pragma once

// The peak resident memory of this process (VmHWM on Linux). Unlike
// getrusage's ru_maxrss, which Linux carries over from the parent through
// fork and exec, it starts afresh in a child the benchmark starts, so a
// child measuring one operation reports that operation alone.

// Forgets the peak so far: memory already freed goes back to the system,
// then the peak is reset to what is resident now.
void resetPeakMemory();
// In MB; -1 where the system does not tell.
double peakMemoryMb();
