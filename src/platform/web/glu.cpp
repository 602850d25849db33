// The page's GLU calls where Emscripten's GLU (3.1.6) has none or a wrong one.
// gluBuild2DMipmaps, which it lacks: every level made as Mesa's GLU makes it for bytes (each
// texel the rounded mean of the 2 x 2 below it, a line of one texel the rounded mean of two), so
// that the page filters its walls as the desktop does. WebGL takes only a named format, so the
// level goes up as the format it is given.
#include <GL/glu.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

int powerOfTwoAtMost(int size)
{
    int power = 1;
    while (power * 2 <= size)
        power *= 2;
    return power;
}

// WebGL mipmaps only sizes that are powers of two: a picture of another size is sampled down
// to one first, texel by texel.
std::vector<std::uint8_t> sampledTo(const std::uint8_t* pixels, int width, int height, int toWidth, int toHeight, int components)
{
    std::vector<std::uint8_t> out(static_cast<std::size_t>(toWidth) * toHeight * components);
    for (int y = 0; y < toHeight; ++y)
        for (int x = 0; x < toWidth; ++x)
            for (int c = 0; c < components; ++c)
                out[(static_cast<std::size_t>(y) * toWidth + x) * components + c] =
                    pixels[(static_cast<std::size_t>(y * height / toHeight) * width + x * width / toWidth) * components + c];
    return out;
}

std::vector<std::uint8_t> halved(const std::vector<std::uint8_t>& level, int width, int height, int components)
{
    const int halfWidth = width > 1 ? width / 2 : 1;
    const int halfHeight = height > 1 ? height / 2 : 1;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(halfWidth) * halfHeight * components);
    const std::size_t row = static_cast<std::size_t>(width) * components;
    for (int y = 0; y < halfHeight; ++y)
        for (int x = 0; x < halfWidth; ++x)
            for (int c = 0; c < components; ++c) {
                const std::size_t first = (height > 1 ? 2 * y * row : 0) + static_cast<std::size_t>(width > 1 ? 2 * x : 0) * components + c;
                int sum;
                if (width > 1 && height > 1)
                    sum = (level[first] + level[first + components] + level[first + row] + level[first + row + components] + 2) / 4;
                else
                    sum = (level[first] + level[first + (width > 1 ? components : row)] + 1) / 2;
                out[(static_cast<std::size_t>(y) * halfWidth + x) * components + c] = static_cast<std::uint8_t>(sum);
            }
    return out;
}

}  // namespace

extern "C" GLint gluBuild2DMipmaps(GLenum target, GLint, GLsizei width, GLsizei height, GLenum format, GLenum type, const void* data)
{
    const int components = format == GL_RGBA ? 4 : format == GL_RGB ? 3 : 0;
    if (components == 0 || type != GL_UNSIGNED_BYTE || width < 1 || height < 1)
        return GLU_INVALID_ENUM;
    const auto* pixels = static_cast<const std::uint8_t*>(data);
    int w = powerOfTwoAtMost(width);
    int h = powerOfTwoAtMost(height);
    std::vector<std::uint8_t> level = w == width && h == height
                                          ? std::vector<std::uint8_t>(pixels, pixels + static_cast<std::size_t>(width) * height * components)
                                          : sampledTo(pixels, width, height, w, h, components);
    for (GLint number = 0;; ++number) {
        glTexImage2D(target, number, static_cast<GLint>(format), w, h, 0, format, type, level.data());
        if (w == 1 && h == 1)
            return 0;
        level = halved(level, w, h, components);
        w = w > 1 ? w / 2 : 1;
        h = h > 1 ? h / 2 : 1;
    }
}

// Emscripten's gluLookAt hands its matrix library the arguments in the wrong order and leaves
// the matrix as it was: the view as Mesa's GLU makes it, in its float arithmetic.
extern "C" void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX, GLdouble centreY, GLdouble centreZ,
                          GLdouble upX, GLdouble upY, GLdouble upZ)
{
    auto normalise = [](float (&v)[3]) {
        const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        if (length == 0.0f)
            return;
        for (float& c : v)
            c /= length;
    };
    auto cross = [](const float (&a)[3], const float (&b)[3], float (&out)[3]) {
        out[0] = a[1] * b[2] - a[2] * b[1];
        out[1] = a[2] * b[0] - a[0] * b[2];
        out[2] = a[0] * b[1] - a[1] * b[0];
    };
    float forward[3] = {static_cast<float>(centreX - eyeX), static_cast<float>(centreY - eyeY), static_cast<float>(centreZ - eyeZ)};
    float up[3] = {static_cast<float>(upX), static_cast<float>(upY), static_cast<float>(upZ)};
    float side[3];
    normalise(forward);
    cross(forward, up, side);
    normalise(side);
    cross(side, forward, up);
    const GLfloat m[16] = {side[0], up[0], -forward[0], 0.0f, side[1], up[1], -forward[1], 0.0f,
                           side[2], up[2], -forward[2], 0.0f, 0.0f, 0.0f, 0.0f, 1.0f};
    glMultMatrixf(m);
    glTranslatef(static_cast<float>(-eyeX), static_cast<float>(-eyeY), static_cast<float>(-eyeZ));
}
