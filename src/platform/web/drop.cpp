// Dropping files onto the page: the browser's files go into /dropped of the page's file system,
// then the same loaders as the command line's take them.
#include "platform/web/drop.h"

#include "app/building.h"
#include "app/globals.h"
#include "app/options.h"
#include "app/scene.h"
#include "building/BuildingLoader.h"
#include "data/FileSearch.h"
#include "data/LoadFailure.h"
#include "picture/PictureReader.h"
#include "platform/web/Page.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <sstream>
#include <utility>

namespace {

// The texture slot of the last dropped character's skin: the next dropped character's skin
// takes it over, so that one drop after another never fills the texture table.
int droppedSkinSlot = -1;

// The new character takes the old one's slot and scale, and its place in the scene shown (as the
// scene set-up puts it: in a building, on the floor in front of the visitor);
// the old one stays if the new one is refused, which is named on the console as on the desktop.
std::string loadCharacter(const std::string& model, const std::string& skin)
{
    const ModelLoad load = modelManager.replaceModel(characterModel, droppedSkinSlot, Vec3(0.15f, 0.15f, 0.15f),
                                                     model.c_str(), skin.c_str(), textureManager);
    if (!load.ok()) {
        printLoadFailure(load.failure);
        return load.failure;
    }
    Md2Model& character = modelManager.models[characterModel];
    scene->placeCharacter(character);
    droppedSkinSlot = character.texture;
    return "loaded " + model.substr(model.rfind('/') + 1);
}

// Read as --level reads it, with the files it names beside it in the same folder; a building
// that is refused leaves the scene as it was.
std::string loadBuildingFile(const std::string& path)
{
    BuildingOptions options;
    options.scale = commandLine.levelScale;
    options.zUp = commandLine.zUp;
    BuildingLoad load = loadBuilding(path, options);
    if (!load.ok())
        return load.failure;
    replaceBuilding(std::move(load.building));
    return "loaded " + path.substr(path.rfind('/') + 1);
}

// Files dropped onto the canvas, or picked from the page's menu where nothing can be dropped (a
// phone), go the same way.
EM_JS(void, listenForDrops, (), {
    var take = function(files) {
        Promise.all(files.map(function(file) { return file.arrayBuffer(); })).then(function(contents) {
            try { FS.mkdir('/dropped'); } catch (e) {}
            var paths = files.map(function(file, i) {
                var path = '/dropped/' + file.name.split('/').join('_');
                FS.writeFile(path, new Uint8Array(contents[i]));
                return path;
            });
            Module.ccall('halvaneDropped', null, ['string'], [paths.join('\n')]);
        });
    };
    var canvas = document.getElementById('canvas');
    canvas.addEventListener('dragover', function(event) { event.preventDefault(); });
    canvas.addEventListener('drop', function(event) {
        event.preventDefault();
        take(Array.from(event.dataTransfer.files));
    });
    var picker = document.getElementById('open-files');
    if (picker)
        picker.addEventListener('change', function() {
            take(Array.from(picker.files));
            picker.value = "";
        });
});

// What the link's fetch left: "problem" when a file could not be fetched, else each named
// file's path in /linked ("" where the link names none).
// Copies the value into text (size bytes at most, ending in 0); returns its length in bytes.
EM_JS(int, linkedValue, (const char* name, char* text, int size), {
    var value = Module['linked'][UTF8ToString(name)] || "";
    stringToUTF8(value, text, size);
    return lengthBytesUTF8(value);
});

std::string linked(const char* name)
{
    std::string text(std::size_t(linkedValue(name, nullptr, 0)) + 1, '\0');
    linkedValue(name, &text[0], int(text.size()));
    text.pop_back();
    return text;
}

}  // namespace

std::string loadDropped(const std::vector<std::string>& paths)
{
    std::string model, skin;
    for (const std::string& path : paths) {
        if (!buildingFormat(path).empty())
            return loadBuildingFile(path);
        if (extensionOf(path) == ".md2" && model.empty())
            model = path;
        else if (isPictureFile(path) && skin.empty())
            skin = path;
    }
    if (model.empty())
        return "nothing loaded: drop an .md2 model with its skin, or a building (.glb, or .gltf or .obj with its files)";
    return loadCharacter(model, skin);
}

void acceptDroppedFiles()
{
    listenForDrops();
}

void openLinkedFiles()
{
    const std::string problem = linked("problem");
    if (!problem.empty())
        return showOnPage(problem);
    const std::string level = linked("level"), model = linked("model");
    std::vector<std::string> lines;
    if (!level.empty())
        lines.push_back(loadBuildingFile(level));
    if (!model.empty())
        lines.push_back(loadCharacter(model, linked("skin")));
    // A refusal is what the visitor needs to read, rather than what did load.
    for (const std::string& line : lines)
        if (line.rfind("loaded ", 0) != 0)
            return showOnPage(line);
    if (!lines.empty())
        showOnPage(lines.back());
}

extern "C" EMSCRIPTEN_KEEPALIVE void halvaneDropped(const char* list)
{
    std::vector<std::string> paths;
    std::istringstream lines(list);
    for (std::string line; std::getline(lines, line);)
        paths.push_back(line);
    showOnPage(loadDropped(paths));
}
