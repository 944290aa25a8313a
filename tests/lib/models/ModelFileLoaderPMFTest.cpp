#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MaterialWorld.h"
#include "models/Mesh.h"
#include "models/MeshStore.h"
#include "models/ModelFileLoaderPMF.h"
#include "support/MemoryVertexArray.h"
#include "support/TempDir.h"

namespace
{
using Names = std::vector<std::string>;

const std::string TRIANGLE = "_PART_PLANE == XY\n_PART_TYPE == LINE_LOOP\n_PART_LINE_LOOP == 0,0 1,0 0,1\n";
const std::string SQUARE = "_PART_PLANE == XY\n_PART_TYPE == LINE_LOOP\n_PART_LINE_LOOP == 0,0 1,0 1,1 0,1\n";

// Prefixes every line of keys with the part name.
std::string part(const std::string& name, const std::string& keys)
{
    std::string text;
    std::string::size_type start = 0;
    while (start < keys.size())
    {
        const std::string::size_type end = keys.find('\n', start);
        text += name + keys.substr(start, end - start + 1);
        start = end + 1;
    }
    return text;
}

struct Range
{
    int first;
    int count;
    bool operator==(const Range& other) const { return first == other.first && count == other.count; }
};

class PMFLoaderTest : public ::testing::Test
{
protected:
    bool load(const std::string& file)
    {
        meshNames.clear();
        materialNames.clear();
        textureNames.clear();
        log.clear();
        return loader.load(file, meshNames, materialNames, textureNames, log);
    }

    Range range(const std::string& mesh)
    {
        const ModelSys::Mesh* found = meshes.get(mesh);
        return found == nullptr ? Range{-1, -1} : Range{found->getFirst(), found->getSize()};
    }

    Testing::TempDir dir{"orvik-pmf-loader"};
    Testing::MaterialWorld world{dir.dir()};
    Testing::MemoryVertexArrayFactory factory;
    ModelSys::MeshStore meshes{&factory};
    ModelSys::ModelFileLoaderPMF loader{&meshes, &world.materials, &world.textures, dir.dir()};
    Names meshNames, materialNames, textureNames;
    std::string log;
};

TEST_F(PMFLoaderTest, OneArrayPerModelPartitionedByParts)
{
    dir.write("m.pmf", "MODELS_LIST == m\nMODEL_PART_LIST == a b\n" + part("a", TRIANGLE) +
                           part("b", SQUARE) + "b_PART_DEFCOORD == 7\n");
    ASSERT_TRUE(load("m.pmf")) << log;
    EXPECT_EQ(log, "");
    EXPECT_EQ(meshNames, (Names{"m.a", "m.b"}));
    EXPECT_TRUE(materialNames.empty());
    EXPECT_TRUE(textureNames.empty());
    ASSERT_EQ(factory.made.size(), 1u);
    const Testing::MemoryVertexArray& array = *factory.made[0];
    EXPECT_EQ(array.getBufferSize(), 108);
    EXPECT_TRUE(array.writeOnly);
    EXPECT_EQ(array.vertexInfo.components, 3);
    EXPECT_FALSE(array.textureInfo.declared);
    EXPECT_EQ(array.begins, 1);
    EXPECT_EQ(array.ends, 1);
    EXPECT_EQ(array.writesOutsideUse, 0);
    EXPECT_EQ(array.floats(),
              (std::vector<float>{0, 1, 0, 0, 0, 0, 1, 0, 0,                               // a
                                  0, 1, 7, 0, 0, 7, 1, 0, 7, 1, 0, 7, 1, 1, 7, 0, 1, 7})); // b
    EXPECT_EQ(range("m.a"), (Range{0, 3}));
    EXPECT_EQ(range("m.b"), (Range{3, 6}));
    EXPECT_EQ(meshes.get("m.a")->getVertexArray(), factory.made[0]);
    EXPECT_EQ(meshes.get("m.a")->getMaterial(), nullptr);

    // Loading again finds every mesh and lists nothing.
    EXPECT_TRUE(load("m.pmf"));
    EXPECT_TRUE(meshNames.empty());
    EXPECT_EQ(factory.made.size(), 1u);
}

TEST_F(PMFLoaderTest, TexturedModelsInterleaveUV)
{
    dir.write("t.pmf", "MODEL_PART_LIST == a b\n" + part("a", TRIANGLE) +
                           "a_PART_TEXCOORDS == 0,1 0,0 1,0\n" + part("b", SQUARE) +
                           "b_PART_TEXCOORDS == 1,1 2,2 3,3 4,4 5,5 6,6\n");
    ASSERT_TRUE(load("t.pmf")) << log;
    EXPECT_EQ(meshNames, (Names{"t.a", "t.b"}));
    const Testing::MemoryVertexArray& array = *factory.made[0];
    EXPECT_EQ(array.getBufferSize(), 180);
    EXPECT_EQ(array.textureInfo.components, 2);
    const std::vector<float> floats = array.floats();
    EXPECT_EQ(std::vector<float>(floats.begin(), floats.begin() + 15),
              (std::vector<float>{0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0}));
    EXPECT_EQ(floats[15 + 3], 1.0f);
    EXPECT_EQ(floats[15 + 5 * 5 + 4], 6.0f);
    EXPECT_EQ(range("t.b"), (Range{3, 6}));
}

TEST_F(PMFLoaderTest, TextureCoordinatesMustPairWithVertices)
{
    struct Case
    {
        const char* what;
        std::string text;
        std::string log;
    };
    const std::vector<Case> cases = {
        {"too few", "MODEL_PART_LIST == p\n" + part("p", SQUARE) + "p_PART_TEXCOORDS == 0,0 1,1 2,2\n",
         "PMF: Wrong number of texCoords for part p tex=3 pnts=6 totalTex=3 totalPnts=6"},
        {"textured then plain",
         "MODEL_PART_LIST == a b\n" + part("a", TRIANGLE) + "a_PART_TEXCOORDS == 0,0 1,1 2,2\n" +
             part("b", TRIANGLE),
         "PMF: Wrong number of texCoords for part b tex=0 pnts=3 totalTex=3 totalPnts=6"},
        {"plain then textured",
         "MODEL_PART_LIST == a b\n" + part("a", TRIANGLE) + part("b", TRIANGLE) +
             "b_PART_TEXCOORDS == 0,0 1,1 2,2\n",
         "PMF: Wrong number of texCoords for part b tex=3 pnts=3 totalTex=3 totalPnts=6"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        meshes.clear();
        factory.made.clear();
        dir.write("x.pmf", c.text);
        EXPECT_FALSE(load("x.pmf"));
        EXPECT_EQ(log, c.log);
        EXPECT_TRUE(meshNames.empty());
        EXPECT_TRUE(factory.made.empty());
    }
}

TEST_F(PMFLoaderTest, MaterialsFromDefinitionFiles)
{
    dir.write("wood.matdef",
              "wood_PROG == DEF_COLOR_MAT\nwood_MAT_DEF_COLOR_MAT_PARAMS == color4v:4iv=1,2,3,4\n");
    dir.write("m.pmf", "MODEL_PART_LIST == a b c\n" + part("a", TRIANGLE) +
                           "a_PART_MATERIAL == wood.matdef\n" + part("b", TRIANGLE) + part("c", TRIANGLE) +
                           "c_PART_MATERIAL == wood.matdef\n");
    ASSERT_TRUE(load("m.pmf")) << log;
    EXPECT_EQ(materialNames, (Names{"wood", "wood"}));
    EXPECT_NE(meshes.get("m.a")->getMaterial(), nullptr);
    EXPECT_EQ(meshes.get("m.a")->getMaterial(), world.materials.get("wood.matdef", false));
    EXPECT_EQ(meshes.get("m.b")->getMaterial(), nullptr);
    EXPECT_EQ(meshes.get("m.c")->getMaterial(), meshes.get("m.a")->getMaterial());
}

TEST_F(PMFLoaderTest, MaterialThatCannotBeMadeStopsTheMeshes)
{
    MatSys::MaterialStore noMaker(nullptr);
    loader.setMaterialStore(&noMaker);
    dir.write("m.pmf", "MODEL_PART_LIST == a b c\n" + part("a", TRIANGLE) + part("b", TRIANGLE) +
                           "b_PART_MATERIAL == stone\n" + part("c", TRIANGLE));
    EXPECT_FALSE(load("m.pmf"));
    EXPECT_EQ(log, "PMF: Failed to create MATDEF material from: stone\n");
    EXPECT_EQ(meshNames, (Names{"m.a"}));
    EXPECT_FALSE(meshes.exists("m.c"));
}

TEST_F(PMFLoaderTest, ModelsWithoutVerticesArePassedOver)
{
    dir.write("m.pmf", "MODELS_LIST == empty full\nempty_MODEL_PART_LIST == cw\nfull_MODEL_PART_LIST == a\n"
                       "cw_PART_PLANE == XY\ncw_PART_TYPE == LINE_LOOP\ncw_PART_LINE_LOOP == 0,0 0,1 1,0\n" +
                           part("a", TRIANGLE));
    EXPECT_TRUE(load("m.pmf")) << log;
    EXPECT_EQ(meshNames, (Names{"full.a"}));
    EXPECT_EQ(factory.made.size(), 1u);
}

TEST_F(PMFLoaderTest, PartListedTwiceKeepsTheFirstMesh)
{
    dir.write("m.pmf", "MODEL_PART_LIST == a a\n" + part("a", TRIANGLE));
    EXPECT_TRUE(load("m.pmf")) << log;
    EXPECT_EQ(meshNames, (Names{"m.a", "m.a"}));
    EXPECT_EQ(factory.made[0]->getBufferSize(), 72);
    EXPECT_EQ(range("m.a"), (Range{0, 3}));
}

TEST_F(PMFLoaderTest, MissingAndEmptyFiles)
{
    log = "kept\n";
    EXPECT_FALSE(loader.load("absent.pmf", meshNames, materialNames, textureNames, log));
    EXPECT_EQ(log, "kept\nPMF: Failed to load: " + dir.path("absent.pmf") + "\n");
    dir.write("empty.pmf", "");
    EXPECT_TRUE(load("empty.pmf"));
    EXPECT_TRUE(meshNames.empty());
    EXPECT_TRUE(factory.made.empty());
}

// A circle of n segments is n - 2 triangles: 1365 circles of 258 and one of 87 give 3 * (1365 * 256 + 85)
// vertices, the most a file may give that is a whole number of triangles; one triangle more is past it.
TEST_F(PMFLoaderTest, VerticesOfOneFileAreBounded)
{
    const std::string circles = "_PART_PLANE == XY\n_PART_TYPE == LINE_CIRCLE\n_PART_RADIUS == 1\n";
    std::string list = "MODELS_LIST == m n\nm_MODEL_PART_LIST ==";
    for (int i = 0; i < 1365; ++i)
        list += " big";
    const std::string parts = part("big", circles + "_PART_NUM_SEGS == 258\n") +
                              part("small", circles + "_PART_NUM_SEGS == 87\n") + part("t", TRIANGLE);
    const std::size_t atBound = 3 * (1365 * 256 + 85);
    ASSERT_LE(atBound, ModelSys::ModelFileLoaderPMF::MAX_VERTICES);
    ASSERT_GT(atBound + 3, ModelSys::ModelFileLoaderPMF::MAX_VERTICES);

    dir.write("at.pmf", list + "\nn_MODEL_PART_LIST == small\n" + parts);
    EXPECT_TRUE(load("at.pmf")) << log;
    EXPECT_EQ(factory.made[0]->getBufferSize() + factory.made[1]->getBufferSize(), int(12 * atBound));

    // The model that fits comes first: nothing of the file may stay when the file as a whole is too large.
    dir.write("past.pmf", list + "\nn_MODEL_PART_LIST == small t\n" + parts);
    meshes.clear();
    factory.made.clear();
    EXPECT_FALSE(load("past.pmf"));
    EXPECT_EQ(log, "PMF: Too many vertices in: " + dir.path("past.pmf") + " (at most 1048576)\n");
    EXPECT_TRUE(meshNames.empty());
    EXPECT_TRUE(factory.made.empty());
    EXPECT_EQ(meshes.get("m.big"), nullptr);
}

TEST_F(PMFLoaderTest, RefusedVertexArrayEndsTheLoad)
{
    factory.refuseAll = true;
    dir.write("m.pmf", "MODELS_LIST == m n\nMODEL_PART_LIST == a\n" + part("a", TRIANGLE));
    EXPECT_FALSE(load("m.pmf"));
    EXPECT_EQ(log, "PMF: Failed to create VertexArray for m size: 36\n");
    EXPECT_TRUE(meshNames.empty());
}
} // namespace
