#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CountingLoader.h"
#include "models/MeshStore.h"
#include "models/ModelFileLoader.h"
#include "models/ModelFileManager.h"

namespace
{
using Names = std::vector<std::string>;

TEST(ModelFileLoader, LoadDirectoryEndsInASlashUnlessEmpty)
{
    struct Case
    {
        const char* given;
        const char* expected;
    };
    const Case cases[] = {{"models", "models/"}, {"models/", "models/"}, {"", ""}, {"/", "/"}};
    for (const Case& c : cases)
    {
        Testing::CountingLoader loader(nullptr, c.given);
        EXPECT_EQ(loader.getLoadDir(), c.expected) << "constructed with " << c.given;
        loader.setLoadDir(c.given);
        EXPECT_EQ(loader.getLoadDir(), c.expected) << "set to " << c.given;
    }
}

TEST(ModelFileManager, LoadsEachFileOnceAndKeepsWhatCameOfIt)
{
    ModelSys::MeshStore meshes(nullptr);
    Testing::CountingLoader loader(&meshes, "dir");
    loader.meshesOf["a.obj"] = {"a.x", "a.y"};
    loader.failing["bad.pmf"] = "PMF: broken\n";
    ModelSys::ModelFileManager manager(&loader);
    EXPECT_EQ(manager.getLoadDir(), "dir/");
    EXPECT_EQ(manager.getMeshStore(), &meshes);
    EXPECT_EQ(manager.getMaterialStore(), nullptr);
    EXPECT_EQ(manager.getTextureStore(), nullptr);

    EXPECT_TRUE(manager.load("a.obj"));
    EXPECT_TRUE(manager.load("a.obj"));
    EXPECT_FALSE(manager.load("bad.pmf"));
    EXPECT_FALSE(manager.load("bad.pmf"));
    EXPECT_EQ(loader.loads["a.obj"], 1);
    EXPECT_EQ(loader.loads["bad.pmf"], 1);
    EXPECT_TRUE(manager.isLoaded("bad.pmf"));
    EXPECT_FALSE(manager.isLoaded("other.obj"));

    std::string log = "old";
    EXPECT_TRUE(manager.getErrorLog("bad.pmf", log));
    EXPECT_EQ(log, "PMF: broken\n");
    EXPECT_FALSE(manager.getErrorLog("a.obj", log));
    EXPECT_EQ(log, "");
    log = "old";
    EXPECT_FALSE(manager.getErrorLog("never.obj", log));
    EXPECT_EQ(log, "");

    Names meshNames = {"x"}, materialNames = {"x"}, textureNames = {"x"};
    EXPECT_TRUE(manager.getInfo("a.obj", meshNames, materialNames, textureNames));
    EXPECT_EQ(meshNames, (Names{"a.x", "a.y"}));
    EXPECT_EQ(materialNames, (Names{"mat:a.obj"}));
    EXPECT_EQ(textureNames, (Names{"tex:a.obj"}));
    EXPECT_FALSE(manager.getInfo("never.obj", meshNames, materialNames, textureNames));
    EXPECT_TRUE(meshNames.empty() && materialNames.empty() && textureNames.empty());
}
} // namespace
