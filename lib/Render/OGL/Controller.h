#pragma once

#include <stack>

#include "Render/I_RenderController.h"
#include "util/NonCopyable.h"

namespace Render
{
namespace OGL
{
class RenderQueue;
} // namespace OGL
} // namespace Render

namespace OGL
{
// The render controller over OpenGL, GLU and GLEW. Built once the window's context is current; nothing
// reaches OpenGL before init but the abilities.
class Controller : public Render::I_RenderController, private Util::NonCopyable<Controller>
{
public:
    explicit Controller(const Render::ViewData& viewData);
    ~Controller() override;

    // Ids outside 0 to 11 give -1; a forced value wins over the detected one, which is queried anew
    // on every call.
    int getAbility(int id) override;
    // Ids outside 0 to 11 are ignored.
    void setAbility(int id, int value) override;

    // Client memory where buffer objects cannot be had; null for a negative size.
    Render::I_VertexArray* createVertexArray(int bytes, bool writeOnly) override;
    Render::I_VertexArray* createTexturedQuadVA(const Render::TexturedQuad& quad, bool writeOnly) override;
    Render::I_VertexArray* createTexturedQuadVA(const Render::TexturedQuadZTx& quad, bool writeOnly) override;
    // Null when the buffer could not be made and completed.
    Render::I_RenderBuffer* createRenderBuffer(int width, int height, Render::I_RenderBuffer::RBType type,
                                               MatSys::TextureID texture) override;
    // Null when the buffer could not be made with that size.
    Render::I_PixelBuffer* createPixelBuffer(int bytes) override;

    void setBlending(bool on) override;
    void setDepthTest(bool on) override;
    void setDepthMask(bool on) override;
    void setFog(bool on) override;
    void setFogParams(float startPercent, float endPercent, const Util::RGBA& colour) override;

    void init() override;
    void pushViewData() override;
    // Applies the last pushed record in full; nothing when none is pushed.
    void popViewData() override;
    // Takes every field that does not hold its keep value, and always the projection kind.
    void setViewData(const Render::ViewData& viewData) override;
    const Render::ViewData& getViewData() const override;
    void setCamera(const MathStuff::Orientation<float>& camera) override;
    void setColor(const Util::RGBA& colour) override;
    MathStuff::Vector3<float> projectPoint(MathStuff::Vector3<float> point) const override;
    // The direction from the near plane to the far plane through the pixel (x, y), y counted from the
    // top as the pointer reports it.
    MathStuff::Vector3<float> getPickRay(int x, int y) const override;
    // Nothing where the driver has no framebuffer blits.
    void blit(int srcX0, int srcY0, int srcX1, int srcY1, int dstX0, int dstY0, int dstX1,
              int dstY1) override;
    void drawArrays(Render::RenderType type, int first, unsigned int count) override;
    Render::I_RenderQueue* getRenderQueue() override;
    // Reads width * height RGBA pixels into pixels (or into the bound pixel-pack buffer).
    void copyScreen(unsigned char* pixels, int x, int y, int width, int height) override;
    // Draws RGBA pixels with their lower left corner at window pixel (x, y), even outside the view.
    void showScreen(unsigned char* pixels, int x, int y, int width, int height) override;

    // The swap interval of the current context: 1 unless vsync is 0.
    virtual void setVsync();
    virtual void setViewport() const;

private:
    void setProjection(const Render::ViewData& given);

    Render::ViewData viewData;
    std::stack<Render::ViewData> viewStack;
    Render::OGL::RenderQueue* renderQueue;
    MathStuff::Vector3<float> cameraPosition;
    bool abilityForced[ABILITY_COUNT];
    int abilityValue[ABILITY_COUNT];
};
} // namespace OGL
