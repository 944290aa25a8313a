#pragma once

namespace Render
{
class I_RenderController;
} // namespace Render

namespace GameHelper
{
class ViewBoxHelper;

// Sets flat (orthographic) views in pixels, and a matching camera, on the render controller.
class RenderHelper
{
public:
    explicit RenderHelper(Render::I_RenderController* controller);
    virtual ~RenderHelper() = default;

    virtual void set2D(const ViewBoxHelper* box) const;
    virtual void set2D(int width, int height, bool centred) const;
    // centred: the origin is in the middle of the box, otherwise at its lower left corner.
    virtual void set2D(int x, int y, int width, int height, bool centred) const;

private:
    Render::I_RenderController* renderController;
};
} // namespace GameHelper
