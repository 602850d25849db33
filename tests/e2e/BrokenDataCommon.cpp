// Helpers shared by the broken-data rows and tests: the committed bytes and sanitizer reports.
#include "BrokenData.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

Bytes committedBytes(const std::string& name)
{
    std::ifstream in(std::string(HALVANE_SOURCE_DIR) + "/bin/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string sanitizerReport(const std::string& console)
{
    for (const char* marker : {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:"}) {
        const std::size_t at = console.find(marker);
        if (at != std::string::npos)
            return console.substr(at, 2000);
    }
    return {};
}

Damage edited(const char* file, Edit edit)
{
    return [file, edit](const Session& session, const Bytes& committed) {
        Bytes bytes = committed;
        edit(bytes);
        session.writeBinFile(file, bytes);
    };
}

Damage replaced(const char* file, Bytes bytes)
{
    return [file, bytes](const Session& session, const Bytes&) { session.writeBinFile(file, bytes); };
}

Damage removed(const char* file)
{
    return [file](const Session& session, const Bytes&) { session.removeBinFile(file); };
}

Damage folderInstead(const char* file)
{
    return [file](const Session& session, const Bytes&) {
        session.removeBinFile(file);
        std::filesystem::create_directory(session.binPath(file));
    };
}

Edit cutTo(std::size_t size)
{
    return [size](Bytes& b) { b.resize(std::min(size, b.size())); };
}

Bytes garbage(std::size_t size)
{
    Bytes bytes(size);
    std::uint32_t state = 12345;
    for (auto& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(state >> 16);
    }
    return bytes;
}

std::string pathPattern(const std::string& file)
{
    std::string out;
    for (char c : "../bin/" + file) {
        if (c == '.')
            out += '\\';
        out += c;
    }
    return out;
}

void PrintTo(const BrokenFile& row, std::ostream* out)
{
    *out << row.name;
}
