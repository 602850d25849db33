#include "data/RunFiles.h"

#include "data/DataFolder.h"

RunFiles runFiles(const std::string& folder, const std::string& model, const std::string& skin, const std::string& level)
{
    RunFiles files;
    files.wallTexture = folder + DATA_FILES[0];
    files.ceilingTexture = folder + DATA_FILES[1];
    files.walls = folder + DATA_FILES[2];
    files.ceiling = folder + DATA_FILES[3];
    files.building = level;
    files.ownModel = !model.empty();
    files.ownSkin = !skin.empty();
    files.model = files.ownModel ? model : folder + DATA_FILES[4];
    // A model of one's own without --skin takes the skin it names, looked up beside it.
    files.skin = !skin.empty() ? skin : files.ownModel ? "" : folder + DATA_FILES[5];
    return files;
}
