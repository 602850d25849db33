#include "Results.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <sstream>

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double mean(const std::vector<double>& values)
{
    if (values.empty())
        return 0;
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

// Nearest rank: the smallest value that at least 99 % of the values do not exceed.
double percentile99(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(values.size())));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

std::string toLine(const Row& row)
{
    std::ostringstream out;
    out.precision(17);
    out << row.section << '\t' << row.measure << '\t' << row.screen << '\t' << row.value << '\t' << row.baseline
        << '\t' << row.unit << '\t' << row.valueNote << '\t' << row.baselineNote << '\t' << row.target << '\t'
        << row.framesRatio;
    return out.str();
}

bool fromLine(const std::string& line, Row& row)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    if (fields.size() < 10)
        return false;
    row.section = fields[0];
    row.measure = fields[1];
    row.screen = fields[2];
    row.value = std::stod(fields[3]);
    row.baseline = std::stod(fields[4]);
    row.unit = fields[5];
    row.valueNote = fields[6];
    row.baselineNote = fields[7];
    row.target = std::stod(fields[8]);
    row.framesRatio = fields[9] == "1";
    return true;
}

namespace {

std::string figure(double value, const std::string& unit, const std::string& note)
{
    char text[64];
    std::snprintf(text, sizeof text, value < 10 ? "%.3f %s" : "%.1f %s", value, unit.c_str());
    return note.empty() ? text : std::string(text) + " (" + note + ")";
}

std::string ratioText(const Row& row, double ratio)
{
    char text[48];
    std::snprintf(text, sizeof text, row.framesRatio ? "%.2f frames" : "%.2f×", ratio);
    return text;
}

std::string targetText(const Row& row)
{
    if (row.target <= 0)
        return "-";
    char text[48];
    std::snprintf(text, sizeof text, row.framesRatio ? "≤ %.0f frame" : "≤ %.2f×", row.target);
    return text;
}

std::string verdict(const Row& row, double ratio)
{
    if (row.target <= 0)
        return "";
    return ratio <= row.target ? "met" : "**missed**";
}

}  // namespace

std::string formatTable(const std::vector<Row>& rows)
{
    std::string table = "| Section | Measure | Screen | halvane | Baseline | Ratio | Target | |\n"
                        "|---|---|---|---|---|---|---|---|\n";
    for (const Row& row : rows) {
        if (row.unit.empty()) {  // a count that must be zero, with its words
            table += "| " + row.section + " | " + row.measure + " | " + row.screen + " | " + row.valueNote + " | " +
                     row.baselineNote + " | - | none by halvane | " + (row.value == 0 ? "met" : "**missed**") +
                     " |\n";
            continue;
        }
        const double ratio = row.baseline > 0 ? row.value / row.baseline : 0;
        table += "| " + row.section + " | " + row.measure + " | " + row.screen + " | " +
                 figure(row.value, row.unit, row.valueNote) + " | " +
                 figure(row.baseline, row.unit, row.baselineNote) + " | " + ratioText(row, ratio) + " | " +
                 targetText(row) + " | " + verdict(row, ratio) + " |\n";
    }
    return table;
}
