// Counts the heap allocations that the calling thread makes, by standing in for the C
// library's allocator in the benchmark process (every operator new ends up here too).
// Each allocation is also attributed: to halvane's own code when the first caller outside the
// C and C++ runtime libraries lies in this executable, otherwise to a library (Mesa, X, GLUT).
#pragma once

struct AllocationCount {
    unsigned long long all = 0;
    unsigned long long byHalvane = 0;
};

AllocationCount allocationsOnThisThread();
// Attribution walks the stack, so it is only done while asked for.
void attributeAllocations(bool on);
