#include "scene/Camera.h"

#include "platform/Platform.h"

#include <cmath>

Camera::Camera()
    : position(0.0f, 0.0f, 0.0f), viewPoint(1.0f, 0.0f, 0.0f), up(0.0f, 0.0f, 1.0f), side(0.0f, 0.0f, 0.0f),
      pointer(&systemPointer())
{
    updateSide();
}

void Camera::moveForward(float speed)
{
    // The full 3-D direction, not renormalised on the floor: looking up or down walks slower.
    Vec3 d = (viewPoint - position).normalized();
    position.x = position.x + d.x * speed;
    position.z = position.z + d.z * speed;
    viewPoint.x = viewPoint.x + d.x * speed;
    viewPoint.z = viewPoint.z + d.z * speed;
}

void Camera::strafe(float speed)
{
    position.x = position.x + side.x * speed;
    position.z = position.z + side.z * speed;
    viewPoint.x = viewPoint.x + side.x * speed;
    viewPoint.z = viewPoint.z + side.z * speed;
}

void Camera::rotateView(float angle, float x, float y, float z)
{
    Vec3 v = viewPoint - position;
    float k = std::cos(angle);
    float q = std::sin(angle);
    float t = 1.0f - k;
    Vec3 n;
    n.x = (t * x * x + k) * v.x + (t * x * y - z * q) * v.y + (t * x * z + y * q) * v.z;
    n.y = (t * x * y + z * q) * v.x + (t * y * y + k) * v.y + (t * y * z - x * q) * v.z;
    n.z = (t * x * z - y * q) * v.x + (t * y * z + x * q) * v.y + (t * z * z + k) * v.z;
    viewPoint = position + n;
}

void Camera::mouseLook(int, int)
{
    int x = centreX;
    int y = centreY;
    pointer->position(x, y);
    if (x == centreX && y == centreY)
        return;
    pointer->warp(centreX, centreY);
    float yaw = static_cast<float>(centreX - x) / 400.0f * lookScale;
    float pitch = static_cast<float>(centreY - y) / 400.0f * lookScale;
    if (invertLook)
        pitch = -pitch;
    turn(yaw, pitch);
}

void Camera::turn(float yaw, float pitch)
{
    rotateView(pitch, side.x, side.y, side.z);
    rotateView(yaw, 0.0f, 1.0f, 0.0f);
}

void Camera::updateSide()
{
    // Looking straight up or down leaves no horizontal right-hand direction: keep the last
    // good one, so that strafing never turns the position into NaN.
    Vec3 right = (viewPoint - position).cross(up);
    float length = right.length();
    if (length > 0.0f && std::isfinite(length))
        side = right / length;
}

void Camera::holdPointer()
{
    pointer->warp(centreX, centreY);
}
