#include "check/ArchitectureCheck.h"

#include "level/ArchitectureFile.h"

namespace {

constexpr int RECORDS_PER_QUAD = 4;

// The part is drawn as quads of four records each: records past the last whole quad are not drawn.
void warnAboutQuads(int records, FileReport& report)
{
    const int leftOver = records % RECORDS_PER_QUAD;
    if (records == 0)
        report.warnings.push_back({"the file holds no records: this part of the level is not drawn at all.",
                                   "write four records of five numbers (x y z u v) for every quad."});
    else if (leftOver != 0)
        report.warnings.push_back(
            {"the file's " + counted(records, "record") + " do not make whole quads: records after the last "
                 "whole quad are not drawn (" + counted(leftOver, "record") + ").",
             "give every quad four records, or remove the last " + counted(leftOver, "record") + "."});
}

}  // namespace

FileReport checkArchitecture(const std::string& path)
{
    FileReport report;
    const ArchitectureRecords records = readArchitectureFile(path);
    report.failure = records.reason;
    if (!records.ok())
        return report;
    report.facts.push_back("records: " + std::to_string(records.vertexCount) + " (x y z u v each)");
    report.facts.push_back("quads: " + std::to_string(records.vertexCount / RECORDS_PER_QUAD) + " (four records each)");
    warnAboutQuads(records.vertexCount, report);
    return report;
}
