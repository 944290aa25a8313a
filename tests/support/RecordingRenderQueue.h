#pragma once

#include <vector>

#include "Render/I_RenderQueue.h"
#include "maths/Orientation.h"
#include "maths/Vector3.h"

namespace Testing
{
// A render queue that draws nothing and keeps every call, in order.
class RecordingRenderQueue : public Render::I_RenderQueue
{
public:
    struct Entry
    {
        MathStuff::Orientation<float> placement;
        MathStuff::Vector3<float> offset;
        bool hasOffset = false;
        const ModelSys::Mesh* mesh = nullptr;
        MatSys::Material* material = nullptr;
    };

    void add(const MathStuff::Orientation<float>& placement, const ModelSys::Mesh* mesh,
             MatSys::Material* material) override
    {
        Entry entry;
        entry.placement = placement;
        entry.mesh = mesh;
        entry.material = material;
        entries.push_back(entry);
    }
    void add(const MathStuff::Orientation<float>& placement, const MathStuff::Vector3<float>& offset,
             const ModelSys::Mesh* mesh, MatSys::Material* material) override
    {
        Entry entry;
        entry.placement = placement;
        entry.offset = offset;
        entry.hasOffset = true;
        entry.mesh = mesh;
        entry.material = material;
        entries.push_back(entry);
    }

    std::vector<Entry> entries;
};
} // namespace Testing
