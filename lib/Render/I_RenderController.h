#pragma once

#include "Render/I_CreatePixelBuffer.h"
#include "Render/I_CreateRenderBuffer.h"
#include "Render/I_CreateVertexArray.h"
#include "Render/I_EffectsController.h"
#include "Render/I_RenderAbilities.h"
#include "Render/I_RenderQueue.h"
#include "Render/RenderType.h"
#include "Render/ViewData.h"
#include "maths/Orientation.h"
#include "maths/Vector3.h"
#include "util/RGBA.h"

namespace Render
{
// The one object through which views are set up and things are drawn.
class I_RenderController : public I_RenderAbilities,
                           public I_CreateVertexArray,
                           public I_CreateRenderBuffer,
                           public I_CreatePixelBuffer,
                           public I_EffectsController
{
public:
    ~I_RenderController() override = default;

    // Called once the window and its context exist, before the first frame.
    virtual void init() = 0;
    virtual void pushViewData() = 0;
    virtual void popViewData() = 0;
    virtual void setViewData(const ViewData& viewData) = 0;
    virtual const ViewData& getViewData() const = 0;
    virtual void setCamera(const MathStuff::Orientation<float>& camera) = 0;
    virtual void setColor(const Util::RGBA& colour) = 0;
    virtual MathStuff::Vector3<float> projectPoint(MathStuff::Vector3<float> point) const = 0;
    virtual MathStuff::Vector3<float> getPickRay(int x, int y) const = 0;
    virtual void blit(int srcX0, int srcY0, int srcX1, int srcY1, int dstX0, int dstY0, int dstX1,
                      int dstY1) = 0;
    virtual void drawArrays(RenderType type, int first, unsigned int count) = 0;
    virtual I_RenderQueue* getRenderQueue() = 0;
    virtual void copyScreen(unsigned char* pixels, int x, int y, int width, int height) = 0;
    virtual void showScreen(unsigned char* pixels, int x, int y, int width, int height) = 0;
};
} // namespace Render
