#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CountingLoader.h"
#include "ModelTreeText.h"
#include "models/Mesh.h"
#include "models/MeshStore.h"
#include "models/Model.h"
#include "models/ModelFileManager.h"
#include "models/ModelMaker.h"
#include "models/ModelMakerHelper.h"
#include "models/PartsText.h"
#include "support/TempDir.h"

namespace
{
using ModelSys::Blueprint;
using Testing::treeText;

class ModelMakerTest : public ::testing::Test
{
protected:
    ModelMakerTest()
    {
        for (const char* name : {"a", "b", "c", "d", "wall", "door", "roof", "base", "knob", "frame", "m",
                                 "house", "wall.frame", "x"})
            meshes.add(name, new ModelSys::Mesh(nullptr, 0, 3, nullptr));
    }

    // The tree an assembly file makes, as text.
    std::string assemble(const std::string& text, const std::string& model = "")
    {
        dir.write("t.tdm", text);
        std::unique_ptr<ModelSys::Model> made(maker.create(model, "t.tdm"));
        return treeText(made.get());
    }

    std::string build(const Blueprint& blueprint)
    {
        std::unique_ptr<ModelSys::Model> made(maker.create(blueprint));
        return treeText(made.get());
    }

    Testing::TempDir dir{"orvik-maker"};
    ModelSys::MeshStore meshes{nullptr};
    Testing::CountingLoader loader{&meshes, dir.dir()};
    ModelSys::ModelFileManager manager{&loader};
    ModelSys::ModelMaker maker{&manager};
};

TEST(PartsText, ItemsAndOffsets)
{
    struct Case
    {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"wall, door, roof", "wall door roof"},
        {"wall , door , roof", "wall door roof"},
        {"wall\tdoor\r\nroof", "wall door roof"},
        {"door:2,0, roof", "door@2,0,0 roof"},
        {"a:1,2,3 b:5 c:1,2:3 d: e", "a@1,2,3 b@0,0,0 c d e"},
        {": :: ,, :1,2", ""},
    };
    for (const Case& c : cases)
    {
        std::vector<ModelSys::PartsItem> items;
        ModelSys::readPartsText(c.text, items);
        std::string text;
        for (const ModelSys::PartsItem& item : items)
        {
            text += (text.empty() ? "" : " ") + item.name;
            if (item.hasOffset)
                text += "@" + std::to_string(int(item.offset.x)) + "," + std::to_string(int(item.offset.y)) +
                        "," + std::to_string(int(item.offset.z));
        }
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

TEST_F(ModelMakerTest, PartsTextsAndOffsets)
{
    struct Case
    {
        const char* what;
        std::string tdm;
        std::string expected;
    };
    const std::string subs = "door_PARTS == knob:1,1 , frame\nroof_PARTS == a b\n";
    const std::vector<Case> cases = {
        {"running offsets", "PARTS == a:1,2 b c:0,0,5 d\n", "t(a@1,2,0 b@1,2,0 c@0,0,5 d@0,0,5)"},
        {"malformed offsets", "PARTS == a:1,2 b:5 c:1,2:3 d\n", "t(a@1,2,0 b@0,0,0 c@0,0,0 d@0,0,0)"},
        {"comma and blank", "PARTS == wall , door , roof\n" + subs,
         "t(wall@0,0,0 door(knob@1,1,0 frame@1,1,0) roof(a@0,0,0 b@0,0,0))"},
        {"comma only", "PARTS == wall, door, roof\n" + subs,
         "t(wall@0,0,0 door(knob@1,1,0 frame@1,1,0) roof(a@0,0,0 b@0,0,0))"},
        {"blanks only", "PARTS == wall door roof\n" + subs,
         "t(wall@0,0,0 door(knob@1,1,0 frame@1,1,0) roof(a@0,0,0 b@0,0,0))"},
        {"offset item expanded", "PARTS == door:2,0\n" + subs, "t(door(knob@1,1,0 frame@1,1,0))"},
        {"offsets reach sub-assemblies", "PARTS == base:2,0 , door\n" + subs,
         "t(base@2,0,0 door(knob@1,1,0 frame@1,1,0))"},
        {"a child's offset stays below", "PARTS == base:2,0 , door, wall\ndoor_PARTS == frame , knob:1,1\n",
         "t(base@2,0,0 door(frame@2,0,0 knob@1,1,0) wall@2,0,0)"},
        {"parts over lines", "PARTS == \"a\nb:1,1\nc\"\n", "t(a@0,0,0 b@1,1,0 c@1,1,0)"},
        {"missing meshes skipped", "PARTS == a nothing b\n", "t(a@0,0,0 b@0,0,0)"},
        {"nothing found is still a model", "PARTS == nothing\n", "t()"},
        {"empty parts: the stem's mesh", "", "null"},
        {"a sub-assembly named twice", "PARTS == roof roof\nroof_PARTS == a\n",
         "t(roof(a@0,0,0) roof(a@0,0,0))"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(assemble(c.tdm), c.expected) << c.what;
    meshes.add("t", new ModelSys::Mesh(nullptr, 0, 3, nullptr));
    EXPECT_EQ(assemble(""), "t@0,0,0");
    EXPECT_EQ(assemble("house_PARTS == a\nPARTS == b\n", "house"), "house(a@0,0,0)");
}

TEST_F(ModelMakerTest, SelfIncludingAssembliesEnd)
{
    struct Case
    {
        const char* what;
        std::string tdm;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"includes itself", "PARTS == a\na_PARTS == a b\n", "t(a(a@0,0,0 b@0,0,0))"},
        {"two name each other", "PARTS == a\na_PARTS == b\nb_PARTS == a c\n", "t(a(b(a@0,0,0 c@0,0,0)))"},
        {"the root named below", "house_PARTS == x house\n", "house(x@0,0,0 house@0,0,0)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(assemble(c.tdm, std::string(c.what) == "the root named below" ? "house" : ""), c.expected)
            << c.what;
}

TEST_F(ModelMakerTest, TooManyModelsGiveNull)
{
    // Six levels of ten: a million models from a few lines.
    std::string tdm = "PARTS == l1\n";
    for (int level = 1; level <= 6; ++level)
    {
        const std::string below = level == 6 ? "a" : "l" + std::to_string(level + 1);
        tdm += "l" + std::to_string(level) + "_PARTS ==";
        for (int i = 0; i < 10; ++i)
            tdm += " " + below;
        tdm += "\n";
    }
    EXPECT_EQ(assemble(tdm), "null");
    // Four levels (ten thousand leaves) are fine.
    std::unique_ptr<ModelSys::Model> small(maker.create(
        Blueprint{{"r", "l1 l1"}, {"l1", "l2 l2 l2 l2 l2 l2 l2 l2 l2 l2"}, {"l2", "a a a a a"}}));
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(small->getNumParts(), 2u);
}

TEST_F(ModelMakerTest, NestingIsBounded)
{
    // A chain of n sub-assemblies with a leaf at the bottom, as an assembly file and as a blueprint.
    auto chain = [](int n, std::string& tdm, Blueprint& blueprint)
    {
        tdm = "PARTS == c2\n";
        blueprint = {{"t", "c2"}};
        for (int level = 2; level <= n; ++level)
        {
            const std::string below = level == n ? "a" : "c" + std::to_string(level + 1);
            tdm += "c" + std::to_string(level) + "_PARTS == " + below + "\n";
            blueprint.push_back({"c" + std::to_string(level), below});
        }
    };
    for (int n : {ModelSys::ModelMaker::MAX_DEPTH, ModelSys::ModelMaker::MAX_DEPTH + 1})
    {
        std::string tdm;
        Blueprint blueprint;
        chain(n, tdm, blueprint);
        const bool fits = n <= ModelSys::ModelMaker::MAX_DEPTH;
        EXPECT_EQ(assemble(tdm) != "null", fits) << n;
        EXPECT_EQ(build(blueprint) != "null", fits) << n;
    }
}

TEST_F(ModelMakerTest, BlueprintsAndLeaves)
{
    EXPECT_EQ(build(Blueprint()), "null");
    EXPECT_EQ(build(Blueprint{{"", "a"}}), "null");
    EXPECT_EQ(build(Blueprint{{"a", ""}}), "a@0,0,0");
    EXPECT_EQ(build(Blueprint{{"r", "a b:1,1"}, {"b", ""}, {"b", "c"}}), "r(a@0,0,0 b@1,1,0)");
    std::unique_ptr<ModelSys::Model> leaf(maker.create("a"));
    EXPECT_EQ(treeText(leaf.get()), "a@0,0,0");
    EXPECT_EQ(maker.create("none"), nullptr);
    EXPECT_EQ(maker.create("none", ""), nullptr);
    ModelSys::ModelMaker alone(&meshes);
    EXPECT_EQ(alone.getFileManager(), nullptr);
    EXPECT_FALSE(alone.loadModelFile("a.obj"));
    // Without a file manager no file is read: the model name is a mesh name.
    std::unique_ptr<ModelSys::Model> fromFile(alone.create("a", "t.tdm"));
    EXPECT_EQ(treeText(fromFile.get()), "a@0,0,0");
}

TEST_F(ModelMakerTest, RequiredFilesLoadOnceEvenOverLines)
{
    assemble("REQUIRES == \"one.obj\ntwo.pmf bad.obj\n  three.obj\"\nPARTS == a\n");
    assemble("house_REQUIRES == one.obj four.obj\nREQUIRES == five.obj\nhouse_PARTS == a\n", "house");
    EXPECT_EQ(loader.order,
              (std::vector<std::string>{"one.obj", "two.pmf", "bad.obj", "three.obj", "four.obj"}));
}

TEST_F(ModelMakerTest, ModelsFromModelFiles)
{
    loader.meshesOf["wall.obj"] = {"wall.glass"};
    EXPECT_EQ(treeText(std::unique_ptr<ModelSys::Model>(maker.create("wall.frame", "wall.obj")).get()),
              "wall.frame@0,0,0");
    EXPECT_EQ(maker.create("wall.none", "wall.obj"), nullptr);
    EXPECT_EQ(loader.loads["wall.obj"], 1);

    dir.write("p.pmf", "MODELS_LIST == gate solo empty\nMODEL_PART_LIST == gone\n"
                       "gate_MODEL_PART_LIST == frame knob gone\n"
                       "frame_PART_PLANE == XY\nframe_PART_TYPE == LINE_LOOP\nframe_PART_OFFSET == 1,2,3\n"
                       "knob_PART_PLANE == ZY\nknob_PART_TYPE == LINE_LOOP\nknob_PART_OFFSET == 0.5,2000000\n"
                       "gone_PART_PLANE == XY\ngone_PART_TYPE == LINE_LOOP\n");
    loader.meshesOf["p.pmf"] = {"gate.frame", "gate.knob", "solo"};
    EXPECT_EQ(treeText(std::unique_ptr<ModelSys::Model>(maker.create("gate", "p.pmf")).get()),
              "gate(gate.frame@1,2,3 gate.knob@0,2e+06,0.5)");
    // A model that is also a mesh is that mesh; one with no leaf is nothing.
    EXPECT_EQ(treeText(std::unique_ptr<ModelSys::Model>(maker.create("solo", "p.pmf")).get()), "solo@0,0,0");
    EXPECT_EQ(maker.create("empty", "p.pmf"), nullptr);
    EXPECT_EQ(maker.create("unlisted", "p.pmf"), nullptr);
    EXPECT_EQ(loader.loads["p.pmf"], 1);
    // A failed file is not read again and leaves only the mesh route.
    loader.failing["f.pmf"] = "x";
    EXPECT_EQ(treeText(std::unique_ptr<ModelSys::Model>(maker.create("a", "f.pmf")).get()), "a@0,0,0");

    Blueprint blueprint;
    EXPECT_TRUE(ModelSys::ModelMakerHelper().makeBlueprintFromPMF("gate", dir.path("p.pmf"), blueprint));
    EXPECT_EQ(blueprint, (Blueprint{{"gate", "gate.frame:1,2,3 gate.knob:0,2e+06,0.5 gate.gone:0,0,0 "}}));
}
} // namespace
