#pragma once

#include <string>

#include "input/I_ScreenArea.h"

namespace Input
{
// A plain rectangular area: left and top edges inside, right and bottom edges outside.
class ScreenArea : public I_ScreenArea
{
public:
    explicit ScreenArea(const std::string& areaName);
    ~ScreenArea() override = default;

    void setRect(const Geom::Rect<float>& r) override { rect = r; }
    bool contains(float x, float y) const override;
    const Geom::Rect<float>& getRect() const override { return rect; }
    void render(I_ScreenAreaRenderer* renderer, const RenderInfo& info) const override;

private:
    Geom::Rect<float> rect;
};
} // namespace Input
