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

bool embedded(const std::string& name)
{
    return name.rfind("embedded picture", 0) == 0;
}

struct Loaded {
    std::string found;
    PictureDecode decode;
    bool alpha = false;
};

// One picture of a material: its name in the file, the file it was found as, its image.
struct Slot {
    const std::string& name;
    std::string& found;
    Image& image;
    bool alpha;
};

// Each picture is read and warned about once, by the name the file gives it.
void loadPicture(Building& building, const BuildingMaterial& material, Slot slot, const std::string& folder,
                 bool uriNames, bool announce, std::map<std::string, Loaded>& loaded)
{
    if (slot.name.empty() || embedded(slot.name))
        return;
    auto entry = loaded.find(slot.name);
    if (entry == loaded.end() || (slot.alpha && !entry->second.alpha)) {
        const NamedFile file = findNamedFile(folder, uriNames ? uriDecoded(slot.name) : slot.name);
        Loaded picture;
        picture.found = file.found;
        picture.alpha = slot.alpha;
        if (file.found.empty())
            picture.decode.reason = "missing (looked for " + file.lookedFor + ")";
        else
            picture.decode = readPicture(file.found.c_str(), announce, slot.alpha);
        if (!picture.decode.ok())
            building.warnings.push_back("the picture " + slot.name + " is " + (file.found.empty() ? "" : "broken: ") +
                                        picture.decode.reason + "; surfaces of material " + material.name +
                                        " show its colour");
        entry = loaded.insert_or_assign(slot.name, std::move(picture)).first;
    }
    slot.found = entry->second.found;
    if (entry->second.decode.ok())
        slot.image = entry->second.decode.image;
}

}  // namespace

void loadBuildingPictures(Building& building, const std::string& folder, bool uriNames, bool announce)
{
    std::map<std::string, Loaded> loaded;
    for (BuildingMaterial& m : building.materials) {
        loadPicture(building, m, {m.pictureName, m.pictureFound, m.image, m.alphaMode != AlphaMode::Opaque}, folder,
                    uriNames, announce, loaded);
        loadPicture(building, m, {m.emissivePictureName, m.emissivePictureFound, m.emissiveImage, false}, folder,
                    uriNames, announce, loaded);
    }
}
