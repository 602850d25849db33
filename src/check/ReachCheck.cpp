#include "check/ReachCheck.h"

#include "building/BuildingReach.h"
#include "building/BuildingUnits.h"
#include "check/DoorsCheck.h"

#include <cstdio>

namespace {

constexpr float SQUARE_METRE = UNITS_PER_METRE * UNITS_PER_METRE;
constexpr float NOTICED = 1.0f;  // m² of a storey not reached worth a word

std::string number(const char* format, double value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string storeyText(const StoreyReach& storey)
{
    std::string text = "  the storey at " + number("%.2f", double(storey.height / UNITS_PER_METRE)) + " m: " +
                       number("%.0f", double(storey.reached / SQUARE_METRE)) + " m² reached";
    if (storey.unreached / SQUARE_METRE < NOTICED)
        return text;
    return text + ", " + number("%.0f", double(storey.unreached / SQUARE_METRE)) +
           " m² not, the largest part of it around " + placeText(storey.unreachedAt);
}

}  // namespace

void addReachFacts(const Building& building, FileReport& report)
{
    const BuildingReach reach = walkEverywhere(building, [](std::size_t places) {
        std::fprintf(stderr, "walking the building from the start: %zu places so far\n", places);
    });
    report.facts.push_back("walking from the start the visitor reaches " + counted(long(reach.places), "place") + " " +
                           number("%.2f", double(reach.spacing / UNITS_PER_METRE)) + " m apart (" +
                           number("%.1f", reach.seconds) + " s):");
    for (const StoreyReach& storey : reach.storeys) {
        report.facts.push_back(storeyText(storey));
        if (storey.reached / SQUARE_METRE < NOTICED && storey.unreached / SQUARE_METRE >= NOTICED)
            report.warnings.push_back(
                {"the visitor never reaches the storey at " + number("%.2f", double(storey.height / UNITS_PER_METRE)) +
                     " m (" + number("%.0f", double(storey.unreached / SQUARE_METRE)) + " m² around " +
                     placeText(storey.unreachedAt) + ").",
                 "make the way there one a person walks: steps at most 0.35 m high, gaps at least 0.6 m wide, a closed door "
                 "named as a door (door, Tür, porte, ...), or put an object named start there."});
    }
}
