#include "geometry/Rect.h"

#include <new>

#include <gtest/gtest.h>

namespace
{
// Default-initialises a rectangle over memory full of junk: only its own initialisers can clear it.
template <class T> Geom::Rect<T> buildOverJunk()
{
    alignas(Geom::Rect<T>) unsigned char memory[sizeof(Geom::Rect<T>)];
    for (unsigned char& byte : memory)
        byte = 0xA5;
    Geom::Rect<T>* rect = new (memory) Geom::Rect<T>;
    return *rect;
}
} // namespace

TEST(RectTest, StartsEmptyAtTheOrigin)
{
    const Geom::Rect<int> pixels = buildOverJunk<int>();
    EXPECT_EQ(pixels.x, 0);
    EXPECT_EQ(pixels.y, 0);
    EXPECT_EQ(pixels.w, 0);
    EXPECT_EQ(pixels.h, 0);
    const Geom::Rect<float> percent = buildOverJunk<float>();
    EXPECT_EQ(percent.x, 0.0f);
    EXPECT_EQ(percent.y, 0.0f);
    EXPECT_EQ(percent.w, 0.0f);
    EXPECT_EQ(percent.h, 0.0f);
}

TEST(RectTest, BracedValuesAreCornerThenWidthAndHeight)
{
    const Geom::Rect<int> box{10, 20, 300, 400};
    EXPECT_EQ(box.x, 10);
    EXPECT_EQ(box.y, 20);
    EXPECT_EQ(box.w, 300);
    EXPECT_EQ(box.h, 400);
}
