// Numbers as the file formats we read store them: least significant byte first, whatever the
// machine's own order. The caller has checked that the bytes are there.
#pragma once

#include <cstdint>
#include <cstring>

inline std::uint16_t readUint16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

inline std::uint32_t readUint32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

inline std::int16_t readInt16(const std::uint8_t* p)
{
    const std::uint16_t bits = readUint16(p);
    std::int16_t value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline std::int32_t readInt32(const std::uint8_t* p)
{
    const std::uint32_t bits = readUint32(p);
    std::int32_t value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline float readFloat(const std::uint8_t* p)
{
    const std::uint32_t bits = readUint32(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
