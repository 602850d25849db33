#include "level/Material.h"

namespace {

void fill(float* colour, float r, float g, float b, float a)
{
    colour[0] = r;
    colour[1] = g;
    colour[2] = b;
    colour[3] = a;
}

}  // namespace

void Material::setPreset(int preset)
{
    if (preset == 0) {
        fill(ambient, 0.2f, 0.2f, 0.2f, 1.0f);
        fill(diffuse, 0.2f, 0.2f, 0.2f, 1.0f);
        fill(specular, 1.0f, 1.0f, 1.0f, 1.0f);
    } else if (preset == 1) {
        fill(ambient, 0.82f, 0.82f, 0.82f, 0.8f);
        fill(diffuse, 0.82f, 0.82f, 0.82f, 0.8f);
        fill(specular, 0.9f, 0.9f, 0.9f, 0.9f);
    }
}
