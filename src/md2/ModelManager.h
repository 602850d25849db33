// The table of the scene's character models (at most two) and the loader that fills it.
#pragma once

#include "math/Vec3.h"
#include "md2/Md2Model.h"

#include <cstdint>
#include <string>
#include <vector>

struct TextureManager;

constexpr int MAX_MODELS = 2;

// A model read up to its skin, or the one line its file is refused with.
struct ModelRead {
    Md2Model model;
    std::string failure;

    bool ok() const { return failure.empty(); }
};

// The slot a model was loaded into, or the one line it is refused with.
struct ModelLoad {
    int slot = -1;
    std::string failure;

    bool ok() const { return failure.empty(); }
};

struct ModelManager {
    int modelCount = 0;
    Md2Model models[MAX_MODELS];

    ModelManager() = default;
    // The program's table: its empty slots print their "setting animationsequence" lines only
    // through announceSlots, so that --help and --version print nothing else.
    struct Quiet {};
    explicit ModelManager(Quiet);
    void announceSlots() const;

    // Reads the MD2 file, loads its skin into the shared texture table and fills the next
    // slot. An empty skinPath looks the skin up beside the model by the names it stores
    // (findSkin). A file that cannot be used, or no skin found, is refused, and neither table
    // changes.
    ModelLoad loadModel(Vec3 scale, const char* modelPath, const char* skinPath, TextureManager& textures);
    // The same into `slot`, a filled slot, in place of the model there, which stays if the new
    // one is refused; its skin takes over the texture slot `skinSlot` (TextureManager::replaceSkin).
    ModelLoad replaceModel(int slot, int skinSlot, Vec3 scale, const char* modelPath, const char* skinPath,
                           TextureManager& textures);

    // The loading steps before the skin: checks that a slot is free, reads and checks the
    // file, splits its frames into the sequences and computes the light normals, printing
    // the progress lines. `fileBytes`, when given, receives the file's bytes, so that a skin
    // looked up by the names it stores needs no second read of the model.
    ModelRead readModel(Vec3 scale, const char* modelPath, std::vector<std::uint8_t>* fileBytes = nullptr) const;

    // Puts a finished model into the next slot; a model handed over with std::move keeps its
    // frame arrays instead of copying them. A full table refuses it.
    ModelLoad addModel(Md2Model model);

private:
    // The steps of loadModel and replaceModel for the model numbered `slot`.
    ModelRead readModelAs(int slot, Vec3 scale, const char* modelPath, std::vector<std::uint8_t>* fileBytes) const;
    ModelLoad loadInto(int slot, int skinSlot, Vec3 scale, const char* modelPath, const char* skinPath,
                       TextureManager& textures);
    ModelLoad putModel(int slot, Md2Model model);
};
