// Ambient, diffuse and specular colours of a surface, filled from one of two presets.
#pragma once

struct Material {
    float ambient[4];
    float diffuse[4];
    float specular[4];

    Material() { setPreset(0); }

    // Preset 0 is the default dull grey, 1 a light translucent grey; other numbers change nothing.
    void setPreset(int preset);
};
