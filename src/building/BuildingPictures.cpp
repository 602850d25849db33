#include "building/BuildingPictures.h"

#include "data/FileSearch.h"
#include "picture/PictureReader.h"

#include <map>

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = char(c | 0x20);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

std::string uriDecoded(const std::string& uri)
{
    std::string text;
    for (std::size_t i = 0; i < uri.size(); ++i) {
        if (uri[i] == '%' && i + 2 < uri.size() && hexDigit(uri[i + 1]) >= 0 && hexDigit(uri[i + 2]) >= 0) {
            text += char(hexDigit(uri[i + 1]) * 16 + hexDigit(uri[i + 2]));
            i += 2;
        } else {
            text += uri[i];
        }
    }
    return text;
}

bool embedded(const BuildingMaterial& material)
{
    return material.pictureName.rfind("embedded picture", 0) == 0;
}

struct Loaded {
    std::string found;
    PictureDecode decode;
    bool alpha = false;
};

}  // namespace

void loadBuildingPictures(Building& building, const std::string& folder, bool uriNames, bool announce)
{
    std::map<std::string, Loaded> loaded;  // by the name the file gives, so that each is read and warned about once
    for (BuildingMaterial& material : building.materials) {
        if (material.pictureName.empty() || embedded(material))
            continue;
        const bool alpha = material.alphaMode != AlphaMode::Opaque;
        auto entry = loaded.find(material.pictureName);
        if (entry == loaded.end() || (alpha && !entry->second.alpha)) {
            const std::string name = uriNames ? uriDecoded(material.pictureName) : material.pictureName;
            const NamedFile file = findNamedFile(folder, name);
            Loaded picture;
            picture.found = file.found;
            picture.alpha = alpha;
            if (file.found.empty())
                picture.decode.reason = "missing (looked for " + file.lookedFor + ")";
            else
                picture.decode = readPicture(file.found.c_str(), announce, alpha);
            if (!picture.decode.ok())
                building.warnings.push_back("the picture " + material.pictureName + " is " +
                                            (file.found.empty() ? "" : "broken: ") + picture.decode.reason +
                                            "; surfaces of material " + material.name + " show its colour");
            entry = loaded.insert_or_assign(material.pictureName, std::move(picture)).first;
        }
        material.pictureFound = entry->second.found;
        if (entry->second.decode.ok())
            material.image = entry->second.decode.image;
    }
}
