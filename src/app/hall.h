// Our hall's own walls for walking with solid walls: the architecture and every room made so far.
#pragma once

// Builds the walls that stop the visitor from the architecture and every room made so far,
// unless they are already up to date. Runs on a key, never during a frame.
void refreshWallSet();
// The same, whether or not they are up to date (after the architecture itself was replaced).
void rebuildWallSet();
