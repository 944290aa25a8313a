#pragma once

namespace Render
{
// A view's projection and viewport. Every field but is3D has a "keep" value (0, or -1 for x, y and
// vsync) that setViewData leaves alone, so a default record changes nothing but the projection kind.
struct ViewData
{
    float minZ = 0.0f;  // near clipping plane
    float maxZ = 0.0f;  // far clipping plane
    float fov = 0.0f;   // vertical field of view in degrees, for perspective views
    int x = -1;         // viewport left, pixels
    int y = -1;         // viewport bottom, pixels
    int width = 0;      // viewport width, pixels
    int height = 0;     // viewport height, pixels
    float zoomX = 0.0f; // horizontal zoom factor
    float zoomY = 0.0f; // vertical zoom factor
    int vsync = -1;     // buffer-swap synchronisation: 0 off, anything else on
    bool is3D = true;   // perspective when true, orthographic when false; always taken
};
} // namespace Render
