// The minification filter F4 (trilinear) and F5 (mipmapping) ask for, the same for our hall's
// textures and a user's building's.
#pragma once

#include "platform/Gl.h"

// Without mipmaps only GL_LINEAR leaves the texture complete; a mipmap filter would turn it white.
inline GLint minificationFilter(bool trilinear, bool mipmapping)
{
    if (!mipmapping)
        return GL_LINEAR;
    return trilinear ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR_MIPMAP_NEAREST;
}
