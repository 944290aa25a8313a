// Vertex arrays as OpenGL receives them: pointers, strides and enabled client arrays, and the record
// of the array that is bound.
#include <gtest/gtest.h>

#include <memory>

#include "ControllerFixture.h"
#include "Render/OGL/VertexArray.h"
#include "Render/OGL/VertexBufferObject.h"

namespace
{
using namespace OGLTest;

using VA = Render::I_VertexArray;

const void* arrayPointer(GLenum which)
{
    void* p = nullptr;
    glGetPointerv(which, &p);
    return p;
}

int integer(GLenum which)
{
    GLint value = 0;
    glGetIntegerv(which, &value);
    return value;
}

TEST_F(ControllerGL, BufferObjectAttributesAreOffsetsInDeclarationOrder)
{
    OGL::VertexBufferObject array(40, GL_READ_WRITE_ARB);
    ASSERT_EQ(array.getBufferSize(), 40);
    array.defineTextureInfo(2, VA::FLOAT);
    array.defineVertexInfo(3, VA::FLOAT);
    array.defineColorInfo(4, VA::UNSIGNED_BYTE);
    array.beginUsing();
    EXPECT_EQ(arrayPointer(GL_TEXTURE_COORD_ARRAY_POINTER), reinterpret_cast<const void*>(0));
    EXPECT_EQ(arrayPointer(GL_VERTEX_ARRAY_POINTER), reinterpret_cast<const void*>(8));
    EXPECT_EQ(arrayPointer(GL_COLOR_ARRAY_POINTER), reinterpret_cast<const void*>(20));
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_STRIDE), 24);
    EXPECT_EQ(integer(GL_COLOR_ARRAY_TYPE), GL_UNSIGNED_BYTE);
    EXPECT_NE(integer(GL_ARRAY_BUFFER_BINDING_ARB), 0);
    EXPECT_TRUE(glIsEnabled(GL_COLOR_ARRAY));
    array.endUsing();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_ARRAY));
    EXPECT_EQ(integer(GL_ARRAY_BUFFER_BINDING_ARB), 0);
}

TEST_F(ControllerGL, PositionsFedAsTextureCoordinatesAreSwitchedOffAgain)
{
    std::unique_ptr<VA> array(controller.createVertexArray(36, false));
    array->defineVertexInfo(3, VA::FLOAT);
    array->setUseVertexInfoAsTextureInfo(true);
    array->beginUsing();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_EQ(arrayPointer(GL_TEXTURE_COORD_ARRAY_POINTER), arrayPointer(GL_VERTEX_ARRAY_POINTER));
    EXPECT_EQ(integer(GL_TEXTURE_COORD_ARRAY_SIZE), 3);
    array->endUsing();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
}

TEST_F(ControllerGL, TheBoundRecordFollowsBeginEndAndDestruction)
{
    std::unique_ptr<VA> a(controller.createVertexArray(36, false));
    std::unique_ptr<VA> b(new OGL::VertexArray(36));
    a->defineVertexInfo(3, VA::FLOAT);
    b->defineVertexInfo(3, VA::FLOAT);
    EXPECT_EQ(OGL::VertexArray::getBoundArray(), nullptr);
    a->beginUsing();
    EXPECT_EQ(OGL::VertexArray::getBoundArray(), a.get());
    b->beginUsing();
    EXPECT_EQ(OGL::VertexArray::getBoundArray(), b.get());
    // Ending any array disables arrays the bound one may rely on: nothing counts as bound.
    a->endUsing();
    EXPECT_EQ(OGL::VertexArray::getBoundArray(), nullptr);
    b->beginUsing();
    a.reset();
    EXPECT_EQ(OGL::VertexArray::getBoundArray(), b.get());
    // Destroying the bound client array leaves nothing pointing into its freed block.
    b.reset();
    EXPECT_EQ(OGL::VertexArray::getBoundArray(), nullptr);
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
}
} // namespace
