#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "MatSys/I_Texture.h"
#include "MatSys/TextureMaker.h"
#include "support/TempDir.h"

namespace
{
// The maker answers these before anything reaches OpenGL, so no context is needed.
TEST(TextureMakerFiles, NamesItDoesNotLoadGiveNoTexture)
{
    Testing::TempDir dir{"orvik-texture-maker"};
    dir.write("upper.TGA", std::string(18, '\0'));
    dir.write("bad.tga", "not an image");
    MatSys::OGL::TextureMaker maker(dir.dir());
    for (const char* name : {"upper.TGA", "bad.tga", "missing.tga", "none.bmp", "", ".tga"})
    {
        SCOPED_TRACE(name);
        std::unique_ptr<MatSys::I_Texture> texture(maker.create(name));
        EXPECT_EQ(nullptr, texture);
    }
}
} // namespace
