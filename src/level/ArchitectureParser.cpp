// Two passes over the text, as the loader always worked: count the numbers, then allocate
// the arrays once at their final size and fill them.
#include "level/ArchitectureParser.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::uint64_t NUMBERS_PER_RECORD = 5;

std::string describe(char c)
{
    const unsigned byte = static_cast<unsigned char>(c);
    if (std::isprint(static_cast<int>(byte)))
        return std::string("'") + c + "'";
    char hex[16];
    std::snprintf(hex, sizeof hex, "byte 0x%02X", byte);
    return hex;
}

// The number as written, cut to a length that fits on the message's line.
std::string shortened(const char* begin, const char* end)
{
    constexpr std::ptrdiff_t MOST_SHOWN = 24;
    if (end - begin <= MOST_SHOWN)
        return std::string(begin, static_cast<std::size_t>(end - begin));
    return std::string(begin, static_cast<std::size_t>(MOST_SHOWN)) + "...";
}

// Hands every number to store(index, value) in file order. Numbers are what the C library's
// float conversion accepts, the same as the formatted input the files were written for.
template <typename Store>
std::string forEachNumber(const std::string& text, Store store)
{
    const char* p = text.c_str();
    const char* const end = p + text.size();
    int line = 1;
    std::uint64_t index = 0;
    while (true) {
        for (; p < end && std::isspace(static_cast<unsigned char>(*p)); ++p)
            line += *p == '\n';
        if (p == end)
            return {};
        char* after = nullptr;
        const float value = std::strtof(p, &after);
        if (after == p)
            return "line " + std::to_string(line) + ": " + describe(*p) + " cannot start a number";
        // Infinity or NaN (spelled out, or a number too large for a float) would place a corner nowhere.
        if (!std::isfinite(value))
            return "line " + std::to_string(line) + ": '" + shortened(p, after) + "' is not a finite number";
        store(index++, value);
        p = after;
    }
}

// Empty when the numbers make whole records. A file cut inside a record is refused: its
// missing numbers would put a corner of the last quad at the world's origin. An empty file
// is an empty part, and records short of a whole quad are simply not drawn as quads.
std::string checkShape(std::uint64_t numbers)
{
    const std::uint64_t leftOver = numbers % NUMBERS_PER_RECORD;
    if (leftOver != 0)
        return "the file ends inside a record (the last record has " + std::to_string(leftOver) + " of its 5 numbers)";
    return {};
}

}  // namespace

ArchitectureRecords parseArchitecture(const std::string& text)
{
    ArchitectureRecords records;
    std::uint64_t numbers = 0;
    records.reason = forEachNumber(text, [&numbers](std::uint64_t, float) { ++numbers; });
    if (records.ok())
        records.reason = checkShape(numbers);
    if (!records.ok())
        return records;
    const std::uint64_t count = numbers / NUMBERS_PER_RECORD;
    if (count > std::uint64_t(INT_MAX)) {
        records.reason = "more than " + std::to_string(INT_MAX) + " records";
        return records;
    }
    records.vertexCount = int(count);
    records.vertices.assign(count * 3, 0.0f);
    records.texCoords.assign(count * 2, 0.0f);
    forEachNumber(text, [&records](std::uint64_t index, float value) {
        const std::uint64_t record = index / NUMBERS_PER_RECORD;
        const std::uint64_t field = index % NUMBERS_PER_RECORD;
        if (field < 3)
            records.vertices[record * 3 + field] = value;
        else
            records.texCoords[record * 2 + field - 3] = value;
    });
    return records;
}
