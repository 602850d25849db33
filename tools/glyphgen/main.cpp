// glyphgen FILE: reads every glyph of GLUT's 9 x 15 bitmap font back from freeglut on a real
// context and writes them as the overlay's glyph table (src/overlay/Glyphs9x15.cpp).
// glyphgen --check FILE: says whether FILE is still exactly what freeglut draws.
#include "overlay/Glyphs9x15.h"

#include <GL/freeglut.h>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The raster position each glyph is drawn at, with room around it to see any pixel that
// falls outside the cell the overlay's texture gives it.
constexpr int AREA = 48;
constexpr int ORIGIN = 16;

using Glyph = std::vector<std::uint16_t>;

// The glyph as glutBitmapCharacter draws it, or a reason why it does not fit the table.
std::string readGlyph(int character, Glyph& rows)
{
    glClear(GL_COLOR_BUFFER_BIT);
    glRasterPos2i(ORIGIN, ORIGIN);
    glutBitmapCharacter(GLUT_BITMAP_9_BY_15, character);
    GLfloat raster[4] = {0, 0, 0, 0};
    glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
    if (raster[0] != static_cast<GLfloat>(ORIGIN + GLYPH_ADVANCE) || raster[1] != static_cast<GLfloat>(ORIGIN))
        return "advances to (" + std::to_string(raster[0] - ORIGIN) + ", " + std::to_string(raster[1] - ORIGIN) + ")";
    std::vector<std::uint8_t> rgb(AREA * AREA * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, AREA, AREA, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    rows.assign(GLYPH_ROWS, 0);
    for (int y = 0; y < AREA; ++y)
        for (int x = 0; x < AREA; ++x) {
            const std::uint8_t* p = &rgb[(y * AREA + x) * 3];
            if ((p[0] | p[1] | p[2]) == 0)
                continue;
            const int column = x - ORIGIN;
            const int row = GLYPH_ROWS - 1 - (y - (ORIGIN - GLYPH_ROWS_BELOW));
            if (column < 0 || column >= GLYPH_WIDTH || row < 0 || row >= GLYPH_ROWS)
                return "has a pixel at (" + std::to_string(column) + ", " + std::to_string(y - ORIGIN) +
                       ") from the raster position, outside its cell";
            rows[row] |= static_cast<std::uint16_t>(1u << (GLYPH_WIDTH - 1 - column));
        }
    return "";
}

std::string describe(int character)
{
    if (character == '\\')
        return "'\\\\'";
    if (character >= 32 && character < 127)
        return std::string("'") + static_cast<char>(character) + "'";
    return std::to_string(character);
}

// The table's source text; empty if a glyph does not fit.
std::string tableSource()
{
    std::ostringstream out;
    out << "// GLUT's 9 x 15 bitmap font as freeglut draws it, written by tools/glyphgen: do not edit.\n"
           "#include \"overlay/Glyphs9x15.h\"\n\n"
           "const std::uint16_t GLYPHS_9X15[GLYPH_COUNT][GLYPH_ROWS] = {\n";
    for (int character = 0; character < GLYPH_COUNT; ++character) {
        Glyph rows(GLYPH_ROWS, 0);
        if (character != 0) {
            const std::string fault = readGlyph(character, rows);
            if (!fault.empty()) {
                std::fprintf(stderr, "glyphgen: character %d %s\n", character, fault.c_str());
                return "";
            }
        }
        out << "    {";
        for (int row = 0; row < GLYPH_ROWS; ++row) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%03x", rows[row]);
            out << hex << (row + 1 < GLYPH_ROWS ? ", " : "");
        }
        out << "},  // " << describe(character) << "\n";
    }
    out << "};\n";
    return out.str();
}

void openContext(int& argc, char** argv)
{
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
    glutInitWindowSize(AREA, AREA);
    glutCreateWindow("glyphgen");
    glViewport(0, 0, AREA, AREA);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, AREA, 0.0, AREA, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glDrawBuffer(GL_BACK);
    glReadBuffer(GL_BACK);
}

}  // namespace

int main(int argc, char** argv)
{
    const bool check = argc == 3 && std::string(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: %s [--check] FILE\n", argv[0]);
        return 2;
    }
    const std::string path = argv[argc - 1];
    openContext(argc, argv);
    const std::string source = tableSource();
    if (source.empty())
        return 1;
    if (check) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream committed;
        committed << in.rdbuf();
        if (committed.str() == source)
            return 0;
        std::fprintf(stderr, "glyphgen: %s is not what freeglut draws; run glyphgen %s\n", path.c_str(), path.c_str());
        return 1;
    }
    std::ofstream out(path, std::ios::binary);
    out << source;
    if (out.flush())
        return 0;
    std::fprintf(stderr, "glyphgen: cannot write %s\n", path.c_str());
    return 1;
}
