// Small helpers shared by the benchmark's parts: the clock and the data folder.
#include "Bench.h"

#include <ctime>

std::string dataSiblingFolder()
{
    return std::string(HALVANE_SOURCE_DIR) + "/src";
}

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

double secondsSince(long long startNanoseconds)
{
    return static_cast<double>(monotonicNanoseconds() - startNanoseconds) * 1e-9;
}
