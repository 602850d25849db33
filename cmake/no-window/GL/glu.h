// Stands in front of the system's GLU header for halvane_files, as GL/gl.h beside it does.
#error "GLU in halvane_files, which halvane-check runs without a window: move the drawing to halvane_core"
