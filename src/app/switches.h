// The feature switches behind F1 to F10, '1' and 'c': each flips its state, applies it where
// it takes effect and announces it in the overlay.
#pragma once

extern bool showHelp;
extern bool wireframe;
extern bool trilinear;
extern bool mipmapping;
extern bool vertexArrays;
extern bool displayLists;
extern bool frustumCulling;
extern bool transparency;
extern bool showLightNormals;
extern bool solidWalls;

void toggleHelp();
// The help as this screen and gamepad want it, on screen until it is replaced or hidden.
void showHelpText();
void toggleFrameRate();
void toggleWireframe();
void toggleTrilinear();
void toggleMipmapping();
void toggleVertexArrays();
void toggleDisplayLists();
void toggleFrustumCulling();
void toggleTransparency();
void toggleModelInfo();
void toggleLightNormals();
// 'c': walls stop the visitor, or let it through as the hall always did (in a user's building:
// the walking visitor, or the free camera).
void toggleSolidWalls();
