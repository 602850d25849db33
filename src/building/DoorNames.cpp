#include "building/DoorNames.h"

#include <cstdint>
#include <vector>

namespace {

using Text = std::vector<std::uint32_t>;  // code points

// UTF-8 to code points; a byte that starts no character stands for itself.
Text decode(const std::string& name)
{
    Text text;
    for (std::size_t i = 0; i < name.size();) {
        const auto byte = [&](std::size_t k) { return static_cast<std::uint32_t>(static_cast<unsigned char>(name[k])); };
        const std::uint32_t b = byte(i);
        const int more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        std::uint32_t c = more == 0 ? b : b & (0x3Fu >> more);
        std::size_t k = 1;
        for (; k <= std::size_t(more) && i + k < name.size() && (byte(i + k) & 0xC0) == 0x80; ++k)
            c = (c << 6) | (byte(i + k) & 0x3F);
        text.push_back(k == std::size_t(more) + 1 ? c : b);
        i += k == std::size_t(more) + 1 ? k : 1;
    }
    return text;
}

// Latin Extended-A holds capitals and small letters in pairs (Ř ř, Ě ě), the capital first;
// where a pair starts shifts twice.
bool isExtendedCapital(std::uint32_t c)
{
    if (c >= 0x139 && c <= 0x148)
        return c % 2 == 1;
    if (c >= 0x179 && c <= 0x17E)
        return c % 2 == 1;
    return c >= 0x100 && c <= 0x177 && c != 0x138 && c != 0x149 && c % 2 == 0;
}

bool isUpper(std::uint32_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x410 && c <= 0x42F) ||
           isExtendedCapital(c);
}

std::uint32_t lower(std::uint32_t c)
{
    if (isExtendedCapital(c))
        return c + 1;
    return isUpper(c) ? c + 0x20 : c;
}

bool isLetter(std::uint32_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) ||
           (c >= 0x400 && c <= 0x4FF);
}

struct Word {
    const char* text;
    bool letters;  // a word of letters, which must start or end a word; else anywhere (Chinese...)
};

const Word DOOR_WORDS[] = {
    {"door", true},  {"tür", true},   {"tuer", true},  {"türe", true}, {"tuere", true}, {"porte", true},
    {"puerta", true}, {"porta", true}, {"deur", true},  {"dør", true},  {"dörr", true},  {"ovi", true},
    {"drzwi", true}, {"dveře", true}, {"дверь", true}, {"门", false},  {"門", false},   {"ドア", false},
    {"문", false},
};
// Words that hold a door word at a word's end but name no door.
const char* const NOT_DOORS[] = {"outdoor", "indoor", "portal"};

const Word ENTRANCE_WORDS[] = {
    {"haus", true},    {"front", true},   {"entr", true},   {"main", true},    {"eingang", true},
    {"voordeur", true}, {"ingresso", true}, {"ulko", true}, {"wejści", true}, {"vchod", true},
};

// Where `word` lies in `text` at `at`, letter case aside.
bool at(const Text& text, std::size_t start, const Text& word)
{
    if (start + word.size() > text.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (lower(text[start + i]) != word[i])
            return false;
    return true;
}

// A word starts at `i` when no letter comes before it, or a capital follows a small letter there.
bool wordStart(const Text& text, std::size_t i)
{
    return i == 0 || !isLetter(text[i - 1]) || (isUpper(text[i]) && !isUpper(text[i - 1]));
}

bool wordEnd(const Text& text, std::size_t i)
{
    return i == text.size() || !isLetter(text[i]) || (isUpper(text[i]) && !isUpper(text[i - 1]));
}

bool holdsWord(const Text& text, const Word& word)
{
    const Text w = decode(word.text);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (at(text, i, w) && (!word.letters || wordStart(text, i) || wordEnd(text, i + w.size())))
            return true;
    return false;
}

template <std::size_t N>
bool holdsAny(const std::string& name, const Word (&words)[N])
{
    const Text text = decode(name);
    for (const Word& word : words)
        if (holdsWord(text, word))
            return true;
    return false;
}

}  // namespace

bool isDoorName(const std::string& name)
{
    const Text text = decode(name);
    for (const char* notDoor : NOT_DOORS)
        if (holdsWord(text, {notDoor, true}))
            return false;
    return holdsAny(name, DOOR_WORDS);
}

bool isEntranceName(const std::string& name)
{
    return holdsAny(name, ENTRANCE_WORDS);
}
