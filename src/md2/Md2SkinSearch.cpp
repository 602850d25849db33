#include "md2/Md2SkinSearch.h"

#include "data/FileSearch.h"
#include "md2/Md2File.h"
#include "platform/OpenFile.h"
#include "picture/PictureReader.h"

#include <algorithm>

namespace {

std::string baseNameOf(const std::string& fileName)
{
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

void addTry(std::vector<std::string>& tried, const std::string& name)
{
    const std::string key = lowerCase(name);
    if (std::none_of(tried.begin(), tried.end(), [&key](const std::string& t) { return lowerCase(t) == key; }))
        tried.push_back(name);
}

void addWithExtensions(std::vector<std::string>& tried, const std::string& baseName)
{
    for (const PictureFormat& format : PICTURE_FORMATS)
        addTry(tried, baseName + format.extension);
}

std::string listed(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

}  // namespace

SkinSearch findSkin(const std::string& modelPath, const std::vector<std::uint8_t>& modelBytes)
{
    SkinSearch search;
    const Md2SkinNames names = readMd2SkinNames(modelBytes, modelPath);
    search.failure = names.failure;
    if (!search.ok())
        return search;
    search.stored = names.names;
    const std::string folder = folderOf(modelPath);
    const std::vector<std::string> files = filesInFolder(folder);
    std::vector<std::string> storedNameOf;  // for each name tried, the stored name it comes from
    for (const std::string& stored : search.stored) {
        const std::string fileName = fileNameOf(stored);
        if (!plainFileName(fileName))
            continue;
        addTry(search.tried, fileName);
        addWithExtensions(search.tried, baseNameOf(fileName));
        storedNameOf.resize(search.tried.size(), stored);
    }
    addWithExtensions(search.tried, baseNameOf(fileNameOf(modelPath)));
    for (std::size_t i = 0; i < search.tried.size(); ++i) {
        const std::string file = matchIgnoringCase(files, search.tried[i]);
        if (file.empty())
            continue;
        search.found = folder + file;
        search.storedName = i < storedNameOf.size() ? storedNameOf[i] : "";
        return search;
    }
    search.failure = "no skin found for " + modelPath + " in " + (folder.empty() ? "./" : folder) + " (looked for " +
                     listed(search.tried) + "); name one with --skin PICTURE";
    return search;
}
