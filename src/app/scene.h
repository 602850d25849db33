// The scene the visitor is in: our hall, or a user's building in its place. What differs between
// the two is asked of the scene shown through this seam, answered once for each in its own file
// (hall.cpp; building.cpp with walking.cpp); nothing else asks which of them is shown.
#pragma once

#include <string>

struct Camera;
struct Md2Model;

class Scene {
public:
    virtual ~Scene() = default;

    // Reads or makes what the scene is made of, its textures included (needs a current OpenGL
    // context). Returns the one line a file that cannot be used is refused with, empty when done.
    virtual std::string setUp() = 0;
    // Where the visitor starts: the camera's eye and the point it looks at.
    virtual void startCamera(Camera& camera) const = 0;
    // The character, its model loaded, put in its place and turned.
    virtual void placeCharacter(Md2Model& character) const = 0;
    // The last step of the set-up, the camera at its start: how the visitor stands and walks.
    virtual void start() = 0;

    // How far the view reaches.
    virtual double farPlane() const = 0;
    // What is drawn before the character and the rooms: all of the scene that one cannot see through.
    virtual void drawSolid() = 0;
    // What is drawn after everything solid, so that it shows what stands behind it.
    virtual void drawSeeThrough() = 0;

    // One frame's walk while solid walls are on: wishedStride (the movement flags and the sticks,
    // whatever input set them) says where the visitor means to go. Off, the camera flies free
    // (walkThroughWalls) in either scene.
    virtual void walk(float speedFactor) = 0;
    // Solid walls switched on ('c') while the program runs.
    virtual void solidWallsOn() = 0;
    // Home, after the camera is back where the set-up placed it.
    virtual void home() = 0;
    // The room key '4'.
    virtual void roomKey() = 0;
};

// The two scenes (hall.cpp, building.cpp), and the one shown: our hall, until a user's building
// (--level, or one dropped onto the page) takes its place.
extern Scene& ourHall;
extern Scene& userBuilding;
extern Scene* scene;
