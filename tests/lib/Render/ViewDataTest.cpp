#include <gtest/gtest.h>

#include "Render/ViewData.h"

TEST(ViewData, DefaultHoldsTheKeepValueEverywhereButTheProjectionKind)
{
    Render::ViewData v;
    EXPECT_EQ(v.minZ, 0.0f);
    EXPECT_EQ(v.maxZ, 0.0f);
    EXPECT_EQ(v.fov, 0.0f);
    EXPECT_EQ(v.x, -1);
    EXPECT_EQ(v.y, -1);
    EXPECT_EQ(v.width, 0);
    EXPECT_EQ(v.height, 0);
    EXPECT_EQ(v.zoomX, 0.0f);
    EXPECT_EQ(v.zoomY, 0.0f);
    EXPECT_EQ(v.vsync, -1);
    EXPECT_TRUE(v.is3D);
}

TEST(ViewData, FieldsInitialiseInTheirOrder)
{
    Render::ViewData v{-1.0f, 1.0f, 45.0f, 2, 3, 640, 480, 1.5f, 2.5f, 0, false};
    EXPECT_EQ(v.minZ, -1.0f);
    EXPECT_EQ(v.maxZ, 1.0f);
    EXPECT_EQ(v.fov, 45.0f);
    EXPECT_EQ(v.x, 2);
    EXPECT_EQ(v.y, 3);
    EXPECT_EQ(v.width, 640);
    EXPECT_EQ(v.height, 480);
    EXPECT_EQ(v.zoomX, 1.5f);
    EXPECT_EQ(v.zoomY, 2.5f);
    EXPECT_EQ(v.vsync, 0);
    EXPECT_FALSE(v.is3D);
}
