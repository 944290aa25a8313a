#pragma once

#include <vector>

#include "support/FakeRenderController.h"
#include "support/MemoryVertexArray.h"
#include "support/RecordingRenderQueue.h"

namespace Testing
{
// A render controller without OpenGL that can still carry models: vertex arrays in memory, a render queue
// that records what is drawn, and a real stack of view data, so a frame can be checked to leave the view
// as it found it.
class MemoryRenderController : public FakeRenderController
{
public:
    Render::I_VertexArray* createVertexArray(int bytes, bool writeOnly) override
    {
        return new MemoryVertexArray(bytes, writeOnly, nullptr);
    }
    Render::I_RenderQueue* getRenderQueue() override { return &queue; }
    void pushViewData() override { stack.push_back(current); }
    void popViewData() override
    {
        current = stack.back();
        stack.pop_back();
    }

    RecordingRenderQueue queue;
    std::vector<Render::ViewData> stack;
};
} // namespace Testing
