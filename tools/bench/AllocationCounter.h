// Counts the heap allocations that the calling thread makes, by standing in for the C
// library's allocator in the benchmark process (every operator new ends up here too).
#pragma once

unsigned long long allocationsOnThisThread();
