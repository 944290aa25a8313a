#include "Game/RenderHelper.h"

#include "Game/ViewBoxHelper.h"
#include "Render/I_RenderController.h"

namespace GameHelper
{
RenderHelper::RenderHelper(Render::I_RenderController* controller) : renderController(controller) {}

void RenderHelper::set2D(const ViewBoxHelper* box) const
{
    const Geom::Rect<int>& rect = box->getViewBox();
    set2D(rect.x, rect.y, rect.w, rect.h, false);
}

void RenderHelper::set2D(int width, int height, bool centred) const
{
    set2D(0, 0, width, height, centred);
}

void RenderHelper::set2D(int x, int y, int width, int height, bool centred) const
{
    Render::ViewData view;
    view.minZ = -1.0f;
    view.maxZ = 1.0f;
    view.fov = 0.0f;
    view.x = x;
    view.y = y;
    view.width = width;
    view.height = height;
    view.zoomX = 1.0f;
    view.zoomY = 1.0f;
    view.vsync = 1;
    view.is3D = false;
    renderController->setViewData(view);

    MathStuff::Orientation<float> camera;
    camera.position = centred ? MathStuff::Vector3<float>(static_cast<float>(-(width / 2)),
                                                          static_cast<float>(-(height / 2)), 0.0f)
                              : MathStuff::Vector3<float>(0.0f, 0.0f, 0.0f);
    camera.direction = MathStuff::Vector3<float>(0.0f, 0.0f, -1.0f);
    camera.up = MathStuff::Vector3<float>(0.0f, 1.0f, 0.0f);
    camera.scale = MathStuff::Vector3<float>(1.0f, 1.0f, 1.0f);
    renderController->setCamera(camera);
}
} // namespace GameHelper
