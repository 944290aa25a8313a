#pragma once

#include <vector>

#include "Render/I_RenderController.h"

namespace Testing
{
// A render controller without OpenGL: it draws nothing, makes nothing, and records the view data and
// cameras it is given and how often it was initialised.
class FakeRenderController : public Render::I_RenderController
{
public:
    int getAbility(int) override { return -1; }
    void setAbility(int, int) override {}
    Render::I_VertexArray* createVertexArray(int, bool) override { return nullptr; }
    Render::I_VertexArray* createTexturedQuadVA(const Render::TexturedQuad&, bool) override
    {
        return nullptr;
    }
    Render::I_VertexArray* createTexturedQuadVA(const Render::TexturedQuadZTx&, bool) override
    {
        return nullptr;
    }
    Render::I_RenderBuffer* createRenderBuffer(int, int, Render::I_RenderBuffer::RBType,
                                               MatSys::TextureID) override
    {
        return nullptr;
    }
    Render::I_PixelBuffer* createPixelBuffer(int) override { return nullptr; }
    void setBlending(bool) override {}
    void setDepthTest(bool) override {}
    void setDepthMask(bool) override {}
    void setFog(bool) override {}
    void setFogParams(float, float, const Util::RGBA&) override {}

    void init() override { ++inits; }
    void pushViewData() override {}
    void popViewData() override {}
    void setViewData(const Render::ViewData& viewData) override
    {
        current = viewData;
        viewDatas.push_back(viewData);
    }
    const Render::ViewData& getViewData() const override { return current; }
    void setCamera(const MathStuff::Orientation<float>& camera) override { cameras.push_back(camera); }
    void setColor(const Util::RGBA&) override {}
    MathStuff::Vector3<float> projectPoint(MathStuff::Vector3<float> point) const override { return point; }
    MathStuff::Vector3<float> getPickRay(int, int) const override { return MathStuff::Vector3<float>(); }
    void blit(int, int, int, int, int, int, int, int) override {}
    void drawArrays(Render::RenderType, int, unsigned int) override {}
    Render::I_RenderQueue* getRenderQueue() override { return nullptr; }
    void copyScreen(unsigned char*, int, int, int, int) override {}
    void showScreen(unsigned char*, int, int, int, int) override {}

    int inits = 0;
    Render::ViewData current;
    std::vector<Render::ViewData> viewDatas;
    std::vector<MathStuff::Orientation<float>> cameras;
};
} // namespace Testing
