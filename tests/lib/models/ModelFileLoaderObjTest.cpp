#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "MatSys/Material.h"
#include "MatSys/ShaderParam.h"
#include "MatSys/ShaderParams.h"
#include "MaterialWorld.h"
#include "models/Mesh.h"
#include "models/MeshStore.h"
#include "models/ModelFileLoaderObj.h"
#include "models/ObjReader.h"
#include "support/MemoryVertexArray.h"
#include "support/TempDir.h"

namespace
{
using Names = std::vector<std::string>;

const std::string TRIANGLE = "v 1 2 3\nv 4 5 6\nv 7 8 9\nf 1 2 3\n";

class ObjLoaderTest : public ::testing::Test
{
protected:
    ObjLoaderTest()
    {
        world.materials.get("DEF_COLOR_MAT", true);
        world.materials.get("DEF_TEXTURE_MAT", true);
    }

    bool load(const std::string& file)
    {
        meshNames.clear();
        materialNames.clear();
        textureNames.clear();
        log.clear();
        return loader.load(file, meshNames, materialNames, textureNames, log);
    }

    Testing::MemoryVertexArray* arrayOf(const std::string& mesh)
    {
        const ModelSys::Mesh* found = meshes.get(mesh);
        return found == nullptr ? nullptr : static_cast<Testing::MemoryVertexArray*>(found->getVertexArray());
    }

    Testing::TempDir dir{"orvik-obj-loader"};
    Testing::MaterialWorld world{dir.dir()};
    Testing::MemoryVertexArrayFactory factory;
    ModelSys::MeshStore meshes{&factory};
    ModelSys::ModelFileLoaderObj loader{&meshes, &world.materials, &world.textures, dir.dir()};
    Names meshNames, materialNames, textureNames;
    std::string log;
};

TEST_F(ObjLoaderTest, StemOptions)
{
    struct Case
    {
        const char* file;
        const char* mesh;
        std::vector<float> first; // the first vertex written
    };
    const std::vector<Case> cases = {
        {"door.obj", "door.default", {1, 2, 3}},
        {"flat/door.obj", "door.default", {1, 2, 3}},
        {"gate_REV.obj", "gate.default", {7, 8, 9}},
        {"rock_SCALE_2.obj", "rock.default", {2, 4, 6}},
        {"stone_SCALE_2_REV.obj", "stone.default", {14, 16, 18}},
        {"rock_REV_SCALE_2.obj", "rock_REV.default", {2, 4, 6}},
        {"rock_SCALE_0.obj", "rock_SCALE_0.default", {1, 2, 3}},
        {"rock_SCALE_x.obj", "rock_SCALE_x.default", {1, 2, 3}},
        {"_SCALE_2.obj", "_SCALE_2.default", {1, 2, 3}},
        {"half_SCALE_0.5x.obj", "half.default", {0.5f, 1, 1.5f}},
    };
    std::filesystem::create_directories(dir.path("flat"));
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.file);
        meshes.clear();
        dir.write(c.file, TRIANGLE);
        ASSERT_TRUE(load(c.file)) << log;
        EXPECT_EQ(meshNames, (Names{c.mesh}));
        ASSERT_NE(arrayOf(c.mesh), nullptr);
        const std::vector<float> floats = arrayOf(c.mesh)->floats();
        EXPECT_EQ(std::vector<float>(floats.begin(), floats.begin() + 3), c.first);
    }
}

TEST_F(ObjLoaderTest, OneMeshPerGroupNewestFirst)
{
    const std::string square = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n";
    dir.write("door.obj", square + "f 1 2 3\ng frame\nf 1 2 3 4 1 2\ng  glass pane \nf 1 2 3\ng empty\n");
    ASSERT_TRUE(load("door.obj")) << log;
    EXPECT_EQ(meshNames, (Names{"door.glass_pane", "door.frame", "door.default"}));
    EXPECT_TRUE(materialNames.empty());
    EXPECT_TRUE(textureNames.empty());
    EXPECT_EQ(arrayOf("door.frame")->getBufferSize(), 144);
    EXPECT_EQ(meshes.get("door.frame")->getFirst(), 0);
    EXPECT_EQ(meshes.get("door.frame")->getSize(), 12);
    EXPECT_EQ(meshes.get("door.frame")->getMaterial(), nullptr);
    EXPECT_EQ(arrayOf("door.default")->floats(), (std::vector<float>{0, 0, 0, 1, 0, 0, 1, 1, 0}));
    EXPECT_FALSE(arrayOf("door.frame")->textureInfo.declared);
    EXPECT_EQ(factory.made.size(), 3u);

    // A second load finds every mesh: nothing made, nothing listed.
    EXPECT_TRUE(load("door.obj"));
    EXPECT_TRUE(meshNames.empty());
    EXPECT_EQ(factory.made.size(), 3u);
}

TEST_F(ObjLoaderTest, TextureCoordinatesWithZeroForMissingOnes)
{
    dir.write("t.obj",
              "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0.5 0.25\nvt 1 1\n"
              "g a\nf 1/1 2/2 3/1\nf 1/1 2/1 3/1 1/1\ng b\nf 1 2 3\nf 1//1 2//1 3//1\ng c\nf 1/0 2/9 3/2\n");
    ASSERT_TRUE(load("t.obj")) << log;
    EXPECT_EQ(arrayOf("t.a")->getBufferSize(), 180);
    EXPECT_EQ(arrayOf("t.a")->textureInfo.components, 2);
    dir.write("four.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nf 1 2 3 1 2 3\n");
    ASSERT_TRUE(load("four.obj")) << log;
    EXPECT_EQ(arrayOf("four.default")->getBufferSize(), 240);
    EXPECT_EQ(meshes.get("four.default")->getSize(), 12);
    const std::vector<float> a = arrayOf("t.a")->floats();
    EXPECT_EQ(std::vector<float>(a.begin(), a.begin() + 10),
              (std::vector<float>{0, 0, 0, 0.5f, 0.25f, 1, 0, 0, 1, 1}));
    for (const std::vector<float>& b : {arrayOf("t.b")->floats()})
    {
        for (std::size_t v = 0; v < 6; ++v)
        {
            EXPECT_EQ(b[5 * v + 3], 0.0f);
            EXPECT_EQ(b[5 * v + 4], 0.0f);
        }
    }
    const std::vector<float> c = arrayOf("t.c")->floats();
    EXPECT_EQ((std::vector<float>{c[3], c[4], c[8], c[9], c[13], c[14]}),
              (std::vector<float>{0, 0, 0, 0, 1, 1}));
}

TEST_F(ObjLoaderTest, ColourMaterialsFromTheSpecularColour)
{
    struct Case
    {
        const char* mtl;
        const char* name;
        const char* values;
        std::vector<int> bytes;
    };
    const std::vector<Case> cases = {
        {"Kd 0 1 0\nKs 1 0 0\n", "COLOR_0xff0000ff", "0xff,0,0,0xff", {255, 0, 0, 255}},
        {"Ks 0 0 0\n", "COLOR_0xff", "0,0,0,0xff", {0, 0, 0, 255}},
        {"Ks 0.5 0.5 0.5\n", "COLOR_0x7f7f7fff", "0x7f,0x7f,0x7f,0xff", {127, 127, 127, 255}},
        {"Ks 2 0 0\n", "COLOR_0xff0000ff", "0xff,0,0,0xff", {255, 0, 0, 255}},
        {"Ks -1 0.5 -0.25\n", "COLOR_0x7f00ff", "0,0x7f,0,0xff", {0, 127, 0, 255}},
        {"Kd 1 1 1\n", "COLOR_0xff", "0,0,0,0xff", {0, 0, 0, 255}},
    };
    int n = 0;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.mtl);
        const std::string file = "c" + std::to_string(n) + ".obj";
        const std::string mtl = "c" + std::to_string(n++) + ".mtl";
        dir.write(mtl, std::string("newmtl paint\n") + c.mtl);
        dir.write(file, "mtllib " + mtl + "\nusemtl paint\n" + TRIANGLE + "g again\nf 3 2 1\n");
        ASSERT_TRUE(load(file)) << log;
        EXPECT_EQ(materialNames, (Names{c.name, c.name}));
        MatSys::Material* material = world.materials.get(c.name, false);
        ASSERT_NE(material, nullptr);
        EXPECT_EQ(meshes.get(meshNames[0])->getMaterial(), material);
        EXPECT_EQ(meshes.get(meshNames[1])->getMaterial(), material);
        EXPECT_NE(material, world.materials.get("DEF_COLOR_MAT", false));
        ASSERT_NE(material->getParams(), nullptr);
        const MatSys::ShaderParam* colour = material->getParams()->find("color4v");
        ASSERT_NE(colour, nullptr);
        EXPECT_EQ(colour->type, "4iv");
        EXPECT_EQ(colour->valueText, c.values);
        EXPECT_EQ((std::vector<int>(colour->values.i, colour->values.i + 4)), c.bytes);
    }
}

TEST_F(ObjLoaderTest, StoredMaterialsTexturesAndDefinitions)
{
    MatSys::Material* brick = world.materials.get("Brick", true);
    ASSERT_NE(brick, nullptr);
    dir.write("stone.matdef", "stone_PROG == DEF_TEXTURE_MAT\n");
    dir.write("m.mtl",
              "newmtl Brick\nKs 1 1 1\nnewmtl wood\nmap_Kd wood.tga\nnewmtl stone\nmap_Kd stone.matdef\n");
    dir.write("m.obj", "mtllib m.mtl\n" + TRIANGLE +
                           "g b\nusemtl Brick\nf 1 2 3\ng w1\nusemtl wood\nf 1 2 3\ng w2\nf 1 2 3\n"
                           "g s1\nusemtl stone\nf 1 2 3\ng s2\nf 1 2 3\n");
    ASSERT_TRUE(load("m.obj")) << log;
    EXPECT_EQ(meshNames, (Names{"m.s2", "m.s1", "m.w2", "m.w1", "m.b", "m.default"}));
    // Newest group first: s2 makes the stone material, s1 finds it under the file name.
    EXPECT_EQ(materialNames, (Names{"stone", "stone.matdef", "wood.tga", "wood.tga", "Brick", "Brick"}));
    EXPECT_EQ(textureNames, (Names{"wood.tga"}));
    EXPECT_EQ(meshes.get("m.b")->getMaterial(), brick);
    MatSys::Material* wood = world.materials.get("wood.tga", false);
    ASSERT_NE(wood, nullptr);
    EXPECT_EQ(meshes.get("m.w1")->getMaterial(), wood);
    ASSERT_EQ(wood->getTextures().size(), 1u);
    EXPECT_EQ(wood->getTextures()[0].first, 0);
    EXPECT_EQ(wood->getTextures()[0].second, world.textures.get("wood.tga", false));
    EXPECT_TRUE(world.materials.get("DEF_TEXTURE_MAT", false)->getTextures().empty());
    EXPECT_EQ(meshes.get("m.s1")->getMaterial(), world.materials.get("stone.matdef", false));
    // The group before any usemtl takes the file's first material.
    EXPECT_EQ(meshes.get("m.default")->getMaterial(), brick);
}

TEST_F(ObjLoaderTest, FailuresStopLaterGroups)
{
    world.log.refuse.insert("missing.tga");
    dir.write("m.mtl", "newmtl gone\nmap_Kd missing.tga\nnewmtl fine\nKs 1 1 1\n");
    dir.write("m.obj",
              "mtllib m.mtl\n" + TRIANGLE +
                  "usemtl fine\nf 1 2 3\ng bad\nusemtl gone\nf 1 2 3\ng new\nusemtl fine\nf 1 2 3\n");
    EXPECT_FALSE(load("m.obj"));
    EXPECT_EQ(log, "OBJ: Failed to get texture: missing.tga\n");
    EXPECT_EQ(meshNames, (Names{"m.new"}));
    EXPECT_FALSE(meshes.exists("m.default"));
    // The failed group's array stays with the mesh store.
    EXPECT_EQ(factory.made.size(), 2u);

    log = "old text";
    EXPECT_FALSE(loader.load("absent.obj", meshNames, materialNames, textureNames, log));
    EXPECT_EQ(log, "OBJ: Failed to load: " + dir.path("absent.obj"));

    factory.refuseAll = true;
    dir.write("r.obj", TRIANGLE);
    EXPECT_FALSE(load("r.obj"));
    EXPECT_EQ(log, "OBJ: Failed to create VertexArray for r.default size: 36\n");
}

TEST_F(ObjLoaderTest, UsesTheStoresItIsGivenLater)
{
    Testing::MaterialWorld other(dir.dir());
    other.materials.get("DEF_COLOR_MAT", true);
    loader.setMaterialStore(&other.materials);
    loader.setTextureStore(&other.textures);
    dir.write("m.mtl", "newmtl a\nKs 1 0 0\nnewmtl t\nmap_Kd t.tga\n");
    dir.write("m.obj", "mtllib m.mtl\n" + TRIANGLE + "usemtl a\nf 1 2 3\ng t\nusemtl t\nf 1 2 3\n");
    EXPECT_FALSE(load("m.obj"));
    // The texture came from the new store; the new material store has no texture template.
    EXPECT_EQ(log, "OBJ: Failed to add DEF_TEXTTURE_MAT material: t.tga\n");
    EXPECT_NE(other.textures.get("t.tga", false), nullptr);
    EXPECT_EQ(world.textures.get("t.tga", false), nullptr);
    loader.setMaterialStore(&world.materials);
    meshes.clear();
    dir.write("n.obj", "mtllib m.mtl\n" + TRIANGLE + "usemtl a\nf 1 2 3\n");
    loader.setMaterialStore(&other.materials);
    EXPECT_TRUE(load("n.obj")) << log;
    EXPECT_NE(other.materials.get("COLOR_0xff0000ff", false), nullptr);
    EXPECT_EQ(world.materials.get("COLOR_0xff0000ff", false), nullptr);
}

TEST_F(ObjLoaderTest, MaterialKinds)
{
    ModelSys::ModelFileLoaderObj::Impl* impl = loader.getImpl();
    struct Case
    {
        const char* name;
        const char* texture;
        ModelSys::ModelFileLoaderObj::MaterialType type;
        const char* result;
    };
    const Case cases[] = {
        {"m", nullptr, ModelSys::ModelFileLoaderObj::MAT_COLOR, "m"},
        {"m", "a.tga", ModelSys::ModelFileLoaderObj::MAT_TEXTURE, "a.tga"},
        {"m", "a.matdef", ModelSys::ModelFileLoaderObj::MAT_MATDEF, "a.matdef"},
        {"m", ".matdef", ModelSys::ModelFileLoaderObj::MAT_MATDEF, ".matdef"},
        {"m", "matdef", ModelSys::ModelFileLoaderObj::MAT_TEXTURE, "matdef"},
    };
    for (const Case& c : cases)
    {
        ModelSys::_GLMmaterial material{};
        material.name = const_cast<char*>(c.name);
        material.textureFile = const_cast<char*>(c.texture);
        std::string name = "x";
        EXPECT_EQ(impl->getMaterialNameAndType(&material, name), c.type) << c.result;
        EXPECT_EQ(name, c.result);
    }
    std::string name = "x";
    EXPECT_EQ(impl->getMaterialNameAndType(nullptr, name), ModelSys::ModelFileLoaderObj::MAT_NONE);
    EXPECT_EQ(name, "");
}
} // namespace
