// The one place tinygltf is compiled: its own picture decoding and writing off (pictures go
// through our stb entry after the model is checked), every file it opens through our seam.
#include <fstream>  // tinygltf writes files with std::ofstream and includes it only with its own file functions

#define TINYGLTF_IMPLEMENTATION
#define TINYGLTF_NO_STB_IMAGE
#define TINYGLTF_NO_STB_IMAGE_WRITE
#define TINYGLTF_NO_EXTERNAL_IMAGE
#define TINYGLTF_NO_FS  // no file of its own: ours below (its own would expand paths as a shell does)
#include "building/GltfFile.h"

#include "building/BuildingRead.h"
#include "building/GltfExtensions.h"
#include "data/FileSearch.h"
#include "data/LittleEndian.h"
#include "data/ReadWholeFile.h"
#include "platform/OpenFile.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr std::uint32_t GLB_MAGIC = 0x46546C67;  // "glTF"
constexpr std::uint32_t JSON_CHUNK = 0x4E4F534A;
constexpr std::uint32_t BIN_CHUNK = 0x004E4942;

// What tinygltf's file callbacks know: the building's folder, and the first buffer file that
// could not be had (tinygltf's own message on it spans several lines).
struct FileSeam {
    std::string folder;
    std::string missing;
};

std::string expandPath(const std::string& uri, void* user)
{
    auto* seam = static_cast<FileSeam*>(user);
    const NamedFile file = findNamedFile(seam->folder, uri);
    if (file.found.empty() && seam->missing.empty())
        seam->missing = "the buffer file " + uri + " is missing (looked for " + file.lookedFor + ")";
    return file.found;
}

bool fileExists(const std::string& path, void*)
{
    return !path.empty() && pathExists(path);
}

bool readFile(std::vector<unsigned char>* out, std::string* error, const std::string& path, void* user)
{
    auto* seam = static_cast<FileSeam*>(user);
    const WholeFile file = readWholeFile(path, "rb");
    if (!file.complete || file.contents.size() > MAX_BUILDING_FILE_BYTES) {
        if (seam->missing.empty())
            seam->missing = "the buffer file " + path + " cannot be read";
        *error = seam->missing;
        return false;
    }
    out->assign(file.contents.begin(), file.contents.end());
    return true;
}

bool writeFile(std::string*, const std::string&, const std::vector<unsigned char>&, void*)
{
    return false;
}

// Pictures are decoded after the model is checked. A picture in a buffer view comes with a
// pointer into a view tinygltf has not checked: it is never read here, we take the view's bytes
// once it is checked. A data: URI's bytes are tinygltf's own decoding, kept for later.
bool keepDataPicture(tinygltf::Image* image, const int index, std::string*, std::string*, int, int,
                     const unsigned char* bytes, int size, void* user)
{
    auto* pictures = static_cast<std::vector<std::vector<unsigned char>>*>(user);
    if (image->bufferView >= 0 || index < 0 || size <= 0)
        return true;
    if (pictures->size() <= std::size_t(index))
        pictures->resize(std::size_t(index) + 1);
    (*pictures)[std::size_t(index)].assign(bytes, bytes + size);
    return true;
}

// tinygltf turns a file's "extras" and "extensions" into values of its own by calling itself
// once per level of nesting: a file nested a million levels deep would overflow the stack, so
// such a file is refused before tinygltf sees it. No glTF file needs more than a few levels.
constexpr int MAX_JSON_DEPTH = 64;

bool jsonNestsTooDeep(const char* text, std::uint64_t size)
{
    int depth = 0;
    bool inString = false;
    for (std::uint64_t i = 0; i < size; ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > MAX_JSON_DEPTH)
                return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

}  // namespace

std::string checkGlbLayout(const unsigned char* bytes, std::uint64_t size)
{
    if (size < 12 || readUint32(bytes) != GLB_MAGIC)
        return size < 12 ? "too short for the 12-byte header of a glTF binary file (" + std::to_string(size) + " bytes)"
                         : "not a glTF binary file (no 'glTF' at its start)";
    if (readUint32(bytes + 4) != 2)
        return "glTF binary version " + std::to_string(readUint32(bytes + 4)) + ", not 2";
    const std::uint64_t length = readUint32(bytes + 8);
    if (length > size)
        return "the file ends at byte " + std::to_string(size) + ", but its header says " + std::to_string(length) +
               " (a file cut short)";
    std::uint64_t at = 12;
    for (int chunk = 0; at < length; ++chunk) {
        if (at + 8 > length || at + 8 + std::uint64_t(readUint32(bytes + at)) > length)
            return "chunk " + std::to_string(chunk) + " reaches past the file's length of " + std::to_string(length) +
                   " bytes (a file cut short)";
        const std::uint32_t type = readUint32(bytes + at + 4);
        if (chunk == 0 && (type != JSON_CHUNK || readUint32(bytes + at) == 0))
            return "the first chunk is not the JSON chunk";
        if (chunk == 1 && type != BIN_CHUNK)
            return "the second chunk is not the BIN chunk";
        at += 8 + std::uint64_t(readUint32(bytes + at));
    }
    if (at == 12)
        return "no JSON chunk";
    return "";
}

namespace {

// A .glb whose JSON chunk is `json` and whose other chunks are the file's own.
std::vector<unsigned char> withJsonChunk(const unsigned char* glb, std::uint64_t length, std::string text)
{
    while (text.size() % 4 != 0)
        text += ' ';
    const std::uint64_t rest = 20 + std::uint64_t(readUint32(glb + 12));
    std::vector<unsigned char> out(glb, glb + 12);
    const std::uint32_t words[2] = {std::uint32_t(text.size()), JSON_CHUNK};
    for (std::uint32_t word : words)
        for (int b = 0; b < 4; ++b)
            out.push_back(std::uint8_t(word >> (8 * b)));
    out.insert(out.end(), text.begin(), text.end());
    out.insert(out.end(), glb + rest, glb + length);
    const std::uint64_t total = out.size();
    for (int b = 0; b < 4; ++b)
        out[std::size_t(8 + b)] = std::uint8_t(total >> (8 * b));
    return out;
}

}  // namespace

GltfParse parseGltfFile(const std::string& path, bool binary)
{
    GltfParse parse;
    const WholeFile file = readWholeFile(path, "rb");
    if (!file.opened)
        parse.failure = "cannot open the file (" + std::string(std::strerror(errno)) + ")";
    else if (!file.complete)
        parse.failure = "cannot read the file";
    else if (file.contents.size() > MAX_BUILDING_FILE_BYTES)
        parse.failure = "the file is over " + std::to_string(MAX_BUILDING_FILE_BYTES) + " bytes";
    if (!parse.failure.empty())
        return parse;
    const auto* bytes = reinterpret_cast<const unsigned char*>(file.contents.data());
    std::uint64_t size = file.contents.size();
    if (binary) {
        parse.failure = checkGlbLayout(bytes, size);
        if (!parse.failure.empty())
            return parse;
        size = readUint32(bytes + 8);
    }
    const char* json = binary ? reinterpret_cast<const char*>(bytes) + 20 : file.contents.data();
    const std::uint64_t jsonSize = binary ? readUint32(bytes + 12) : size;
    if (jsonNestsTooDeep(json, jsonSize)) {
        parse.failure = "its JSON nests deeper than " + std::to_string(MAX_JSON_DEPTH) + " levels";
        return parse;
    }
    const GltfPreflight preflight = preflightGltfJson(json, std::size_t(jsonSize));
    if (!preflight.failure.empty()) {
        parse.failure = preflight.failure;
        return parse;
    }
    std::vector<unsigned char> rewritten;
    if (!preflight.json.empty()) {
        rewritten = binary ? withJsonChunk(bytes, size, preflight.json)
                           : std::vector<unsigned char>(preflight.json.begin(), preflight.json.end());
        bytes = rewritten.data();
        size = rewritten.size();
    }
    FileSeam seam{folderOf(path), ""};
    tinygltf::TinyGLTF gltf;
    gltf.SetFsCallbacks({fileExists, expandPath, readFile, writeFile, &seam});
    gltf.SetImageLoader(keepDataPicture, &parse.dataPictures);
    std::string error, warning;
    bool read = false;
    try {
        read = binary ? gltf.LoadBinaryFromMemory(&parse.model, &error, &warning, bytes, unsigned(size), "")
                      : gltf.LoadASCIIFromString(&parse.model, &error, &warning, reinterpret_cast<const char*>(bytes),
                                                 unsigned(size), "");
    } catch (const std::exception& problem) {
        error = std::string("not a glTF file that can be read (") + problem.what() + ")";
    }
    if (!read)
        parse.failure =
            !seam.missing.empty() ? seam.missing : libraryFailure(error, "not a glTF file that can be read");
    return parse;
}
