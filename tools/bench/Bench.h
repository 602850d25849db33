// The parts of the benchmark: each measures halvane beside its baseline and returns rows.
#pragma once

#include "Results.h"

#include <string>
#include <vector>

struct BenchOptions {
    bool shortMode = false;     // everything once, quickly: for CI, where no timing is judged
    std::string picturesFolder;  // where the worker saves each state's two pictures, if set
    std::string only;            // one section to run ("startup", "frames", "loaders", "hitches", "walking", "building"), or all

    bool runs(const char* section) const { return only.empty() || only == section; }
};

// Folder from which halvane finds its data as "../bin/": any direct subfolder of the source tree.
std::string dataSiblingFolder();
double secondsSince(long long startNanoseconds);
long long monotonicNanoseconds();

// Start-up of the real program and of the minimal freeglut program, on the current DISPLAY.
std::vector<Row> measureStartup(const BenchOptions& options, const std::string& screen);

// Opens the program's own window in this process and runs its set-up, as main does.
void openProgramWindow();
std::vector<Row> measureFrames(const BenchOptions& options, const std::string& screen);
std::vector<Row> measureHitches(const BenchOptions& options, const std::string& screen);
// A generated building of a million triangles in place of our hall: frames and memory. Last,
// as it leaves the building shown.
std::vector<Row> measureBuilding(const BenchOptions& options, const std::string& screen);

// The loaders on our files and on large generated ones, against reading the same bytes.
std::vector<Row> measureLoaders(const BenchOptions& options);
// The walking visitor's collision per frame in generated buildings, and indexing their faces.
std::vector<Row> measureWalking(const BenchOptions& options);
