#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "MaterialWorld.h"
#include "models/MeshStore.h"
#include "models/ModelFileLoaderAll.h"
#include "support/MemoryVertexArray.h"
#include "support/TempDir.h"

namespace
{
using Names = std::vector<std::string>;

TEST(ModelFileLoaderAll, DispatchesByExactEnding)
{
    Testing::TempDir dir("orvik-loader-all");
    Testing::MaterialWorld world(dir.dir());
    Testing::MemoryVertexArrayFactory factory;
    ModelSys::MeshStore meshes(&factory);
    ModelSys::ModelFileLoaderAll loader(&meshes, &world.materials, &world.textures, dir.dir());
    const std::string triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";
    const std::string pmf = "MODEL_PART_LIST == p\np_PART_PLANE == XY\np_PART_TYPE == LINE_LOOP\n"
                            "p_PART_LINE_LOOP == 0,0 1,0 0,1\n";
    dir.write("a.obj", triangle);
    dir.write("x.obj.pmf", pmf);
    dir.write(".obj", triangle);
    dir.write("tree.OBJ", triangle);
    struct Case
    {
        const char* file;
        bool loaded;
        Names meshes;
        std::string log;
    };
    const std::vector<Case> cases = {
        {"a.obj", true, {"a.default"}, ""},
        {"x.obj.pmf", true, {"x.obj.p"}, ""},
        {".obj", true, {".default"}, ""},
        {"tree.OBJ", false, {}, "ModelFileLoaderAll::load - Can't determine model file type for tree.OBJ"},
        {"obj", false, {}, "ModelFileLoaderAll::load - Can't determine model file type for obj"},
        {"gone.pmf", false, {}, "PMF: Failed to load: " + dir.path("gone.pmf") + "\n"},
    };
    for (const Case& c : cases)
    {
        Names meshNames, materialNames, textureNames;
        std::string log = "earlier text";
        EXPECT_EQ(loader.load(c.file, meshNames, materialNames, textureNames, log), c.loaded) << c.file;
        EXPECT_EQ(meshNames, c.meshes) << c.file;
        EXPECT_EQ(log, c.log) << c.file;
    }
}

TEST(ModelFileLoaderAll, SettersReachBothLoaders)
{
    Testing::TempDir dir("orvik-loader-all");
    std::filesystem::create_directories(dir.path("sub"));
    Testing::MaterialWorld world(dir.dir());
    Testing::MemoryVertexArrayFactory factory;
    ModelSys::MeshStore first(&factory);
    ModelSys::MeshStore second(&factory);
    ModelSys::ModelFileLoaderAll loader(&first, &world.materials, &world.textures, "nowhere");
    loader.setLoadDir(dir.path("sub"));
    loader.setMeshStore(&second);
    EXPECT_EQ(loader.getLoadDir(), dir.path("sub") + "/");
    dir.write("sub/a.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n");
    dir.write("sub/b.pmf", "MODEL_PART_LIST == p\np_PART_PLANE == XY\np_PART_TYPE == LINE_LOOP\n"
                           "p_PART_LINE_LOOP == 0,0 1,0 0,1\n");
    Names meshNames, materialNames, textureNames;
    std::string log;
    EXPECT_TRUE(loader.load("a.obj", meshNames, materialNames, textureNames, log)) << log;
    EXPECT_TRUE(loader.load("b.pmf", meshNames, materialNames, textureNames, log)) << log;
    EXPECT_TRUE(second.exists("a.default"));
    EXPECT_TRUE(second.exists("b.p"));
    EXPECT_FALSE(first.exists("a.default"));
}
} // namespace
