// The benchmark's results: one row per figure, measured beside its baseline, and the table
// that the rows make. Workers hand their rows to the main process as tab-separated lines.
#pragma once

#include <string>
#include <vector>

struct Row {
    std::string section;
    std::string measure;
    std::string screen;   // "1024x768", or "-" where the screen size plays no part
    double value = 0;     // halvane's figure, in `unit`
    double baseline = 0;  // the baseline's figure, in `unit`
    std::string unit;     // "ms" or "MB"; empty for a count that must be zero (value), told in the notes
    std::string valueNote;     // extra words beside the figure (a throughput, a count)
    std::string baselineNote;  // what the baseline is, or its throughput
    double target = 0;         // the largest ratio allowed; 0 when the figure has no target
    bool framesRatio = false;  // the ratio counts 60 Hz frames rather than times the baseline
};

double median(std::vector<double> values);
double mean(const std::vector<double>& values);
double percentile99(std::vector<double> values);

std::string toLine(const Row& row);
bool fromLine(const std::string& line, Row& row);

// The Markdown table of all rows, with a ratio and a verdict for each.
std::string formatTable(const std::vector<Row>& rows);
