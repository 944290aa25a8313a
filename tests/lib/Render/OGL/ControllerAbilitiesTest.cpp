#include <gtest/gtest.h>

#include "Render/OGL/Controller.h"

// Without a current context every driver query is refused: the flags read 0 and the size limits 0,
// never whatever happened to be in memory.
TEST(ControllerAbilities, WithoutAContextNothingIsThere)
{
    OGL::Controller controller{Render::ViewData()};
    for (int id = 0; id < Render::I_RenderAbilities::ABILITY_COUNT; ++id)
        EXPECT_EQ(controller.getAbility(id), 0) << "ability " << id;
    const int outside[] = {-1, 12, 1000};
    for (int id : outside)
    {
        controller.setAbility(id, 3);
        EXPECT_EQ(controller.getAbility(id), -1) << "ability " << id;
    }
    controller.setAbility(Render::I_RenderAbilities::HAVE_FBOS, 1);
    EXPECT_EQ(controller.getAbility(Render::I_RenderAbilities::HAVE_FBOS), 1);
    EXPECT_EQ(controller.getAbility(Render::I_RenderAbilities::HAVE_RTT), 0);
    // Nothing to draw with: the factories answer what they can without a driver.
    Render::I_RenderBuffer* buffer =
        controller.createRenderBuffer(8, 8, Render::I_RenderBuffer::RBUF_RGBA, 0);
    EXPECT_EQ(buffer, nullptr);
    delete buffer;
    EXPECT_EQ(controller.createPixelBuffer(16), nullptr);
}
