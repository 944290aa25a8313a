// Models loaded from poly-model, OBJ/MTL and assembly files drawn through the real render controller:
// each lands its colour where its meshes are, at its offsets, and nowhere else.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "Game/RenderHelper.h"
#include "MatSys/MaterialMaker.h"
#include "MatSys/MaterialStore.h"
#include "MatSys/SW/ShaderProgramMaker.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/TextureMaker.h"
#include "MatSys/TextureStore.h"
#include "Render/OGL/Controller.h"
#include "Render/OpenGL.h"
#include "media/TGA.h"
#include "models/MeshStore.h"
#include "models/Model.h"
#include "models/ModelFileLoaderAll.h"
#include "models/ModelFileManager.h"
#include "models/ModelMaker.h"
#include "models/ModelSystemFacade.h"
#include "support/GLContext.h"
#include "support/TempDir.h"

namespace
{
using V3 = MathStuff::Vector3<float>;
using Pixel = Testing::Pixel;

const int W = 128;
const int H = 96;
const Pixel RED{255, 0, 0, 255};
const Pixel GREEN{0, 255, 0, 255};
const Pixel BLUE{0, 0, 255, 255};

const char* const SHAPES_PMF =
    "MODELS_LIST == m\nMODEL_PART_LIST == sq tri\n"
    "sq_PART_PLANE == XY\nsq_PART_TYPE == LINE_LOOP\nsq_PART_LINE_LOOP == 0,0 1,0 1,1 0,1\n"
    "sq_PART_MATERIAL == red.matdef\n"
    "tri_PART_PLANE == XY\ntri_PART_TYPE == LINE_LOOP\ntri_PART_LINE_LOOP == 0,0 1,0 0,1\n"
    "tri_PART_OFFSET == 2,0\ntri_PART_MATERIAL == red.matdef\n";
const char* const RED_MATDEF =
    "red_PROG == DEF_COLOR_MAT\nred_MAT_DEF_COLOR_MAT_PARAMS == color4v:4iv=255,0,0,255\n";
const char* const FACE_OBJ = "mtllib face.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nusemtl paint\nf 1 2 3 4\n";
const char* const FACE_MTL = "newmtl paint\nKd 1 0 0\nKs 0 1 0\n";

std::unique_ptr<Testing::GLContext> openContext()
{
    // The X server refuses a connection now and then on a busy machine.
    for (int attempt = 1;; ++attempt)
    {
        try
        {
            return std::unique_ptr<Testing::GLContext>(new Testing::GLContext(W, H));
        }
        catch (const std::runtime_error&)
        {
            if (attempt == 5)
                throw;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
}

class ModelDrawing : public testing::Test
{
protected:
    ModelDrawing()
        : controller(Render::ViewData()), programs(&programMaker), textureMaker(dir.dir()),
          textures(&textureMaker), materialMaker(&programs, &textures, dir.dir()), materials(&materialMaker),
          meshes(&controller), loader(&meshes, &materials, &textures, dir.dir()), files(&loader),
          maker(&files)
    {
    }

    void SetUp() override
    {
        if (!Testing::GLContext::available())
            GTEST_SKIP() << "no X server (DISPLAY is unset)";
        context = openContext();
        controller.init();
        GameHelper::RenderHelper(&controller).set2D(W, H, false);
        materials.get("DEF_COLOR_MAT", true);
        materials.get("DEF_TEXTURE_MAT", true);
        dir.write("shapes.pmf", SHAPES_PMF);
        dir.write("red.matdef", RED_MATDEF);
        dir.write("face.obj", FACE_OBJ);
        dir.write("face.mtl", FACE_MTL);
        clear();
    }

    void TearDown() override
    {
        // Arrays go while their context is current.
        meshes.clear();
        materials.clear();
        textures.clear();
        context.reset();
    }

    static void clear()
    {
        glClearColor(0, 0, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    // Draws at (x, y) in pixels, ten pixels to a model unit.
    void draw(ModelSys::Model* model, float x, float y)
    {
        ASSERT_NE(model, nullptr);
        model->display(controller.getRenderQueue(),
                       MathStuff::Orientation<float>(V3(x, y, 0), V3(0, 0, 1), V3(0, 1, 0), V3(10, 10, 1)),
                       nullptr);
    }

    Pixel at(int x, int y) const { return context->readPixel(x, y); }

    Testing::TempDir dir{"orvik-model-drawing"};
    std::unique_ptr<Testing::GLContext> context;
    OGL::Controller controller;
    MatSys::SW::ShaderProgramMaker programMaker;
    MatSys::ShaderProgramStore programs;
    MatSys::OGL::TextureMaker textureMaker;
    MatSys::TextureStore textures;
    MatSys::MaterialMaker materialMaker;
    MatSys::MaterialStore materials;
    ModelSys::MeshStore meshes;
    ModelSys::ModelFileLoaderAll loader;
    ModelSys::ModelFileManager files;
    ModelSys::ModelMaker maker;
};

TEST_F(ModelDrawing, PolyModelPartsAtTheirOffsets)
{
    std::unique_ptr<ModelSys::Model> model(maker.create("m", "shapes.pmf"));
    draw(model.get(), 20, 20);
    // The square covers x and y 20 to 30; the triangle, offset by 2 units, x 40 to 50 below its diagonal.
    EXPECT_EQ(at(21, 21), RED);
    EXPECT_EQ(at(28, 28), RED);
    EXPECT_EQ(at(42, 22), RED);
    EXPECT_EQ(at(48, 28), BLUE);
    EXPECT_EQ(at(35, 25), BLUE);
    EXPECT_EQ(at(25, 35), BLUE);
}

TEST_F(ModelDrawing, ObjColourMaterialDrawsItsSpecularColour)
{
    std::unique_ptr<ModelSys::Model> model(maker.create("face.default", "face.obj"));
    draw(model.get(), 60, 40);
    EXPECT_EQ(at(61, 41), GREEN);
    EXPECT_EQ(at(69, 49), GREEN);
    EXPECT_EQ(at(71, 45), BLUE);
    EXPECT_EQ(at(58, 45), BLUE);
}

TEST_F(ModelDrawing, ObjTextureMaterialDrawsTheUncompressedTexture)
{
    const unsigned char yellow[4 * 3] = {255, 255, 0, 255, 255, 0, 255, 255, 0, 255, 255, 0};
    ASSERT_TRUE(Media::TGA::saveToFile(dir.path("check.NCMP.tga").c_str(), 2, 2, 24, yellow));
    dir.write("tex.mtl", "newmtl skin\nmap_Kd check.NCMP.tga\n");
    dir.write("tex.obj",
              "mtllib tex.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
              "usemtl skin\nf 1/1 2/2 3/3 4/4\n");
    std::unique_ptr<ModelSys::Model> model(maker.create("tex.default", "tex.obj"));
    std::vector<std::string> names, materialNames, textureNames;
    ASSERT_TRUE(files.getInfo("tex.obj", names, materialNames, textureNames));
    EXPECT_EQ(textureNames, (std::vector<std::string>{"check.NCMP.tga"}));
    draw(model.get(), 30, 30);
    EXPECT_EQ(at(32, 32), (Pixel{255, 255, 0, 255}));
    EXPECT_EQ(at(38, 38), (Pixel{255, 255, 0, 255}));
    EXPECT_EQ(at(42, 35), BLUE);
}

TEST_F(ModelDrawing, AssemblyWithASubAssembly)
{
    dir.write("scene.tdm", "REQUIRES == shapes.pmf face.obj\nPARTS == pair:0,0 , face.default:6,0\n"
                           "pair_PARTS == m.sq , m.tri:0,2\n");
    std::unique_ptr<ModelSys::Model> model(maker.create("", "scene.tdm"));
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->getNumParts(), 2u);
    draw(model.get(), 10, 10);
    EXPECT_EQ(at(15, 15), RED);   // m.sq at (0, 0)
    EXPECT_EQ(at(12, 32), RED);   // m.tri at (0, 2)
    EXPECT_EQ(at(18, 38), BLUE);  // above the triangle's diagonal
    EXPECT_EQ(at(75, 15), GREEN); // face.default at (6, 0)
    EXPECT_EQ(at(45, 15), BLUE);
}

TEST_F(ModelDrawing, AModelStillDrawsAfterAnotherFileIsLoaded)
{
    std::unique_ptr<ModelSys::Model> first(maker.create("m", "shapes.pmf"));
    draw(first.get(), 20, 20);
    EXPECT_EQ(at(25, 25), RED);
    // Loading fills a new array, binding it; the first model's array must be bound again to draw.
    std::unique_ptr<ModelSys::Model> second(maker.create("face.default", "face.obj"));
    ASSERT_NE(second, nullptr);
    clear();
    draw(first.get(), 20, 20);
    EXPECT_EQ(at(25, 25), RED);
    EXPECT_EQ(at(42, 22), RED);
    draw(second.get(), 80, 20);
    EXPECT_EQ(at(85, 25), GREEN);
}
} // namespace

namespace
{
TEST_F(ModelDrawing, TheFacadeLoadsAndDrawsEveryKindOfFile)
{
    const unsigned char yellow[4 * 3] = {255, 255, 0, 255, 255, 0, 255, 255, 0, 255, 255, 0};
    ASSERT_TRUE(Media::TGA::saveToFile(dir.path("check.NCMP.tga").c_str(), 2, 2, 24, yellow));
    dir.write("tex.mtl", "newmtl skin\nmap_Kd check.NCMP.tga\n");
    dir.write("tex.obj",
              "mtllib tex.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
              "usemtl skin\nf 1/1 2/2 3/3 4/4\n");
    dir.write("scene.tdm",
              "REQUIRES == shapes.pmf\nPARTS == pair , m.sq:3,0\npair_PARTS == m.sq , m.tri:0,2\n");
    const std::string config = dir.write("materials.cfg", "\n");
    ModelSys::ModelSystemFacade facade(dir.dir(), config, &controller, new MatSys::SW::ShaderProgramMaker());
    facade.setFacadeOwnsModels(true);
    ModelSys::Model* shapes = facade.makeViaModelFile("m", "shapes.pmf");
    ModelSys::Model* face = facade.makeViaModelFile("face.default", "face.obj");
    ModelSys::Model* textured = facade.makeViaModelFile("tex.default", "tex.obj");
    ModelSys::Model* scene = facade.makeViaSingleModelTDM("scene.tdm");
    facade.setFacadeOwnsModels(false);
    clear();
    draw(shapes, 5, 5);    // square x 5-15, triangle x 25-35
    draw(face, 45, 5);     // x 45-55
    draw(textured, 65, 5); // x 65-75
    draw(scene, 5, 50);    // squares x 5-15 and 35-45, triangle y 70-80
    EXPECT_EQ(at(10, 10), RED);
    EXPECT_EQ(at(27, 7), RED);
    EXPECT_EQ(at(20, 10), BLUE);
    EXPECT_EQ(at(50, 10), GREEN);
    EXPECT_EQ(at(70, 10), (Pixel{255, 255, 0, 255}));
    EXPECT_EQ(at(60, 10), BLUE);
    EXPECT_EQ(at(10, 55), RED);
    EXPECT_EQ(at(40, 55), RED);
    EXPECT_EQ(at(7, 72), RED);
    EXPECT_EQ(at(25, 55), BLUE);
    EXPECT_EQ(at(100, 40), BLUE);
    // The facade goes while the context is current; it deletes the models it was told to own.
}
} // namespace
