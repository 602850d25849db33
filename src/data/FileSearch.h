// Finding a file that another file names (a character's skin, a building's pictures and
// buffers) in that file's own folder, the way modellers' files name them: any letter case, and
// an absolute path or one that climbs out of the folder by its file name alone.
#pragma once

#include <string>
#include <vector>

// "textures/Wall.PNG" of "C:\\a\\textures\\Wall.PNG": the part after the last / or \.
std::string fileNameOf(const std::string& path);
// The folder part of a path with its trailing separator ("" for a bare file name).
std::string folderOf(const std::string& path);
// ASCII letters in lower case, as names are compared.
std::string lowerCase(std::string text);
// The file name's extension with its dot, in lower case (".png" of "a.b/Wall.PNG"), by which a
// file's format is told; empty when the name has none.
std::string extensionOf(const std::string& path);
// A name that could climb out of the folder or confuse a console is no plain file name.
bool plainFileName(const std::string& name);

// The entry of `files` equal to `name` letter case aside; empty when there is none.
std::string matchIgnoringCase(const std::vector<std::string>& files, const std::string& name);

struct NamedFile {
    std::string found;      // the path to open, empty when nothing was found
    std::string lookedFor;  // what was looked for, for the message: "textures/wall.png in ./b/"
};

// A relative path inside `folder` (ending in a separator, or empty) as given, its last part in
// any letter case; an absolute path, or one that climbs out with "..", by its file name in
// `folder`, any letter case. A name with a scheme ("http://") or control characters is never
// opened.
NamedFile findNamedFile(const std::string& folder, const std::string& named);
