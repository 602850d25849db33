// Files dropped onto the page: loaded as the desktop program loads the files its command line
// names (--model, --skin, --level), refused with the same messages, and the page goes on either way.
#pragma once

#include <string>
#include <vector>

// Makes the canvas take dropped files: they are copied into the page's file system and handed
// to loadDropped.
void acceptDroppedFiles();
// An .md2 with its skin (or with the skin it names among the files) becomes the character.
// A building (.glb, or .gltf or .obj with the files it names) replaces the scene shown.
// Returns the line shown on the page: what was loaded, or why nothing was.
std::string loadDropped(const std::vector<std::string>& paths);
// What the page's link named (level, model, skin; fetched into /linked before the start):
// opened as dropped files are, and the page's line says what came of it.
void openLinkedFiles();
