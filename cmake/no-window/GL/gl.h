// Stands in front of the system's OpenGL header for halvane_files, the library that needs no window
// (CMakeLists.txt): code that draws belongs in halvane_core, the building's in src/building/draw.
#error "OpenGL in halvane_files, which halvane-check runs without a window: move the drawing to halvane_core"
