// What a visitor walking about needs beyond the hall's own keys: solid walls kept up to date
// with the rooms, and the way back to where the walk began.
#pragma once

// Builds the walls that stop the visitor from the architecture and every room made so far,
// unless they are already up to date. Runs on a key, never during a frame.
void refreshWallSet();
// The same, whether or not they are up to date (after the architecture itself was replaced).
void rebuildWallSet();
// Home: the camera back where and how the scene set-up placed it (in a user's building, the
// walking visitor back at the start too).
void returnHome();
