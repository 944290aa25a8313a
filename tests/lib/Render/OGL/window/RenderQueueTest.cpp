// The render queue on a real context: meshes land where their placement and offset put them, the
// material is begun and ended around each draw, and an array is bound again whenever anything else
// bound or unbound arrays or the one bound last was destroyed.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ControllerFixture.h"
#include "MatSys/Material.h"
#include "Render/OGL/VertexArray.h"
#include "models/Mesh.h"

namespace
{
using namespace OGLTest;

using VA = Render::I_VertexArray;
using V3 = MathStuff::Vector3<float>;

// A client array that counts how often it is bound and released.
class CountingArray : public OGL::VertexArray
{
public:
    explicit CountingArray(int bytes) : OGL::VertexArray(bytes) {}
    void beginUsing() const override
    {
        ++begins;
        OGL::VertexArray::beginUsing();
    }
    void endUsing() const override
    {
        ++ends;
        OGL::VertexArray::endUsing();
    }
    mutable int begins = 0;
    mutable int ends = 0;
};

// A material that draws in one colour and logs its use.
class ColourMaterial : public MatSys::Material
{
public:
    ColourMaterial(Util::RGBA colourIn, std::vector<std::string>& logIn) : colour(colourIn), log(logIn) {}
    void beginUsing() override
    {
        glColor4ub(colour.r, colour.g, colour.b, colour.a);
        log.push_back("begin");
    }
    void endUsing() override { log.push_back("end"); }

private:
    Util::RGBA colour;
    std::vector<std::string>& log;
};

// Unit squares side by side along x, two triangles each, counter-clockwise seen from +z.
void fillSquares(VA& array, int squares)
{
    array.defineVertexInfo(3, VA::FLOAT);
    array.beginUsing();
    for (int s = 0; s < squares; ++s)
    {
        const float x = static_cast<float>(s);
        const float v[6][3] = {{x, 0, 0}, {x + 1, 0, 0}, {x + 1, 1, 0}, {x, 0, 0}, {x + 1, 1, 0}, {x, 1, 0}};
        array.putData(v, sizeof v, s * static_cast<int>(sizeof v));
    }
    array.endUsing();
}

// Square s of an array is a mesh of six vertices.
ModelSys::Mesh square(VA* array, int s)
{
    return ModelSys::Mesh(array, 6 * s, 6, nullptr);
}

// Scale 10 in a pixel view: unit square s of the mesh covers x from at.x + 10 s, ten pixels wide.
MathStuff::Orientation<float> placedAt(V3 at, float scale = 10.0f)
{
    return MathStuff::Orientation<float>(at, V3(0, 0, 1), V3(0, 1, 0), V3(scale, scale, 1));
}

class RenderQueueGL : public ControllerGL
{
protected:
    void SetUp() override
    {
        ControllerGL::SetUp();
        if (IsSkipped())
            return;
        controller.setViewData(view(-1.0f, 1.0f, 0.0f, 0, 0, W, H, false));
        controller.setCamera(camera({0, 0, 0}, {0, 0, -1}, {0, 1, 0}));
        controller.setColor(Util::RGBA{0, 255, 0, 255});
        queue = controller.getRenderQueue();
        clearTo(0, 0, 0);
    }

    Render::I_RenderQueue* queue = nullptr;
};

TEST_F(RenderQueueGL, MeshesOfTheBoundArrayAreNotBoundAgain)
{
    CountingArray first(2 * 72);
    CountingArray second(72);
    fillSquares(first, 2);
    fillSquares(second, 1);
    first.begins = first.ends = second.begins = 0;
    ModelSys::Mesh a0 = square(&first, 0);
    ModelSys::Mesh a1 = square(&first, 1);
    ModelSys::Mesh b0 = square(&second, 0);

    queue->add(placedAt(V3(10, 10, 0)), &a0, nullptr);
    queue->add(placedAt(V3(10, 30, 0)), &a1, nullptr);
    EXPECT_EQ(first.begins, 1);
    EXPECT_EQ(first.ends, 0);
    queue->add(placedAt(V3(10, 50, 0)), &b0, nullptr);
    EXPECT_EQ(first.ends, 1);
    EXPECT_EQ(second.begins, 1);

    EXPECT_EQ(readPixel(15, 15), GREEN);
    EXPECT_EQ(readPixel(25, 35), GREEN); // the second square of the first array
    EXPECT_EQ(readPixel(15, 35), BLACK);
    EXPECT_EQ(readPixel(15, 55), GREEN);
}

TEST_F(RenderQueueGL, AnArrayFilledBetweenDrawsDoesNotStopTheNextDraw)
{
    std::unique_ptr<VA> drawn(controller.createVertexArray(72, true));
    fillSquares(*drawn, 1);
    ModelSys::Mesh mesh = square(drawn.get(), 0);
    queue->add(placedAt(V3(10, 10, 0)), &mesh, nullptr);

    // A loader fills a new array: it binds and unbinds arrays behind the queue's back.
    std::unique_ptr<VA> loaded(controller.createVertexArray(72, true));
    fillSquares(*loaded, 1);

    queue->add(placedAt(V3(40, 10, 0)), &mesh, nullptr);
    EXPECT_EQ(readPixel(15, 15), GREEN);
    EXPECT_EQ(readPixel(45, 15), GREEN);
}

TEST_F(RenderQueueGL, AnotherArrayIsDrawnAfterTheRememberedOneIsDestroyed)
{
    const bool bufferObjects[] = {true, false};
    for (bool useBufferObject : bufferObjects)
    {
        SCOPED_TRACE(useBufferObject ? "buffer objects" : "client memory");
        clearTo(0, 0, 0);
        for (int round = 0; round < 3; ++round)
        {
            // Arrays of one size, made right after one is freed, are likely to take its address.
            std::unique_ptr<VA> array(useBufferObject ? controller.createVertexArray(72, true)
                                                      : new OGL::VertexArray(72));
            fillSquares(*array, 1);
            ModelSys::Mesh mesh = square(array.get(), 0);
            queue->add(placedAt(V3(10.0f + 30 * round, 10, 0)), &mesh, nullptr);
            EXPECT_EQ(readPixel(15 + 30 * round, 15), GREEN) << "round " << round;
        }
    }
}

TEST_F(RenderQueueGL, OffsetIsScaledAndTurnedWithThePlacement)
{
    std::unique_ptr<VA> array(controller.createVertexArray(72, true));
    fillSquares(*array, 1);
    ModelSys::Mesh mesh = square(array.get(), 0);
    controller.setCamera(camera({0, 0, 0}, {0, 0, -1}, {0, 1, 0}));
    const std::array<float, 16> modelview = readMatrix(GL_MODELVIEW_MATRIX);

    struct Case
    {
        const char* name;
        MathStuff::Orientation<float> placement;
        V3 offset;
        int x; // lower left pixel of the square drawn
        int y;
    };
    const Case cases[] = {
        {"plain", placedAt(V3(20, 10, 0), 4), V3(0, 0, 0), 20, 10},
        {"offset at scale 4", placedAt(V3(20, 10, 0), 4), V3(3, 2, 0), 32, 18},
        // Up (-1, 0, 0) turns the model a quarter: its x axis up x facing is (0, 1, 0).
        {"turned", MathStuff::Orientation<float>(V3(60, 40, 0), V3(0, 0, 1), V3(-1, 0, 0), V3(4, 4, 1)),
         V3(2, 0, 0), 56, 48},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        clearTo(0, 0, 0);
        queue->add(c.placement, c.offset, &mesh, nullptr);
        EXPECT_EQ(readPixel(c.x + 1, c.y + 1), GREEN);
        EXPECT_EQ(readPixel(c.x + 2, c.y + 2), GREEN);
        EXPECT_EQ(readPixel(c.x - 1, c.y + 1), BLACK);
        EXPECT_EQ(readPixel(c.x + 5, c.y + 1), BLACK);
        expectMatrixNear(readMatrix(GL_MODELVIEW_MATRIX), modelview);
    }
}

TEST_F(RenderQueueGL, MaterialIsBegunAndEndedAroundEachDrawAndNullKeepsTheColour)
{
    std::unique_ptr<VA> array(controller.createVertexArray(72, true));
    fillSquares(*array, 1);
    ModelSys::Mesh mesh = square(array.get(), 0);
    std::vector<std::string> log;
    ColourMaterial red(Util::RGBA{255, 0, 0, 255}, log);

    queue->add(placedAt(V3(10, 10, 0)), &mesh, &red);
    queue->add(placedAt(V3(30, 10, 0)), &mesh, &red);
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "end", "begin", "end"}));
    EXPECT_EQ(readPixel(15, 15), RED);

    controller.setColor(Util::RGBA{0, 0, 255, 255});
    queue->add(placedAt(V3(50, 10, 0)), &mesh, nullptr);
    EXPECT_EQ(readPixel(55, 15), BLUE);
}

TEST_F(RenderQueueGL, MeshesWithoutAnythingToDrawDrawNothing)
{
    std::vector<std::string> log;
    ColourMaterial red(Util::RGBA{255, 0, 0, 255}, log);
    std::unique_ptr<VA> array(controller.createVertexArray(72, true));
    fillSquares(*array, 1);
    ModelSys::Mesh noArray(nullptr, 0, 6, nullptr);
    ModelSys::Mesh empty(array.get(), 0, 0, nullptr);
    ModelSys::Mesh negative(array.get(), 0, -6, nullptr);
    queue->add(placedAt(V3(10, 10, 0)), nullptr, &red);
    queue->add(placedAt(V3(10, 10, 0)), &noArray, &red);
    queue->add(placedAt(V3(10, 10, 0)), &empty, &red);
    queue->add(placedAt(V3(10, 10, 0)), &negative, &red);
    EXPECT_EQ(readPixel(15, 15), BLACK);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
} // namespace
