#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "MatSys/Material.h"
#include "MatSys/MaterialMaker.h"
#include "MatSys/MaterialStore.h"
#include "MatSys/MaterialStoreHelper.h"
#include "MatSys/ShaderParams.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/TextureStore.h"
#include "support/MatSysRecorders.h"
#include "support/TempDir.h"

using namespace Testing;
using MatSys::Material;
using MatSys::ShaderParams;

namespace
{
std::string paramsText(const ShaderParams* params)
{
    if (params == nullptr)
        return "(none)";
    std::string text;
    for (ShaderParams::IteratorHandle it = params->getIterator(); !it->isDone(); it->next())
        text += (text.empty() ? "" : " ") + it->currentItem().name + "=" + it->currentItem().valueText;
    return text;
}

std::string bindingsText(const Material* material)
{
    std::string text;
    for (const Material::Binding& binding : material->getTextures())
        text += (text.empty() ? "" : " ") + std::to_string(binding.first) + ":" +
                static_cast<RecordingTexture*>(binding.second)->name;
    return text;
}

ShaderParams paramsOf(const std::string& line)
{
    ShaderParams params;
    params.add(line);
    return params;
}

bool called(const MatSysLog& log, const std::string& call)
{
    return std::find(log.calls.begin(), log.calls.end(), call) != log.calls.end();
}

// A material that counts itself into a log.
class CountedMaterial : public Material, public CountedObject
{
public:
    explicit CountedMaterial(MatSysLog* log) : CountedObject(log) {}
};

// The program and texture stores over recording makers, a material maker loading from a temporary
// directory and a material store over it.
class MaterialsFixture : public testing::Test
{
protected:
    MaterialsFixture()
        : dir("matsys"), programMaker(&log), textureMaker(&log), programs(&programMaker),
          textures(&textureMaker), maker(&programs, &textures, dir.dir()), store(&maker)
    {
    }

    std::string write(const std::string& name, const std::string& text) { return dir.write(name, text); }

    TempDir dir;
    MatSysLog log;
    RecordingProgramMaker programMaker;
    RecordingTextureMaker textureMaker;
    MatSys::ShaderProgramStore programs;
    MatSys::TextureStore textures;
    MatSys::MaterialMaker maker;
    MatSys::MaterialStore store;
};

TEST_F(MaterialsFixture, DefinitionGivesProgramParametersAndTextures)
{
    const std::string cfg = write("materials.cfg", "M_PROG == P\n"
                                                   "M_MAT_P_PARAMS == \"a:1i=1\n"
                                                   "   b:1i=2  \n"
                                                   "\n"
                                                   "broken line\"\n"
                                                   "M_MAT_TEXTURES == 0:wall.tga, 1:floor.tga\n");
    ShaderParams given = paramsOf("b:1i=9");
    Material* material = store.add("M", &given, cfg);
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(material->getProgram(), programs.get("P", false));
    EXPECT_EQ(paramsText(material->getParams()), "a=1 b=9");
    EXPECT_EQ(bindingsText(material), "0:wall.tga 1:floor.tga");
    EXPECT_EQ(log.calls,
              (std::vector<std::string>{"program file P " + cfg, "texture wall.tga", "texture floor.tga"}));
    EXPECT_EQ(store.get("M", false), material);
}

TEST_F(MaterialsFixture, MissingProgramKeyUsesTheMaterialsName)
{
    const std::string cfg = write("materials.cfg", "OTHER_PROG == X\n");
    Material* material = store.add("M", nullptr, cfg);
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(material->getProgram(), programs.get("M", false));
    EXPECT_EQ(material->getParams(), nullptr);
    EXPECT_TRUE(material->getTextures().empty());
}

TEST_F(MaterialsFixture, MaterialWithoutItsProgramIsNotMadeAndReadsNoTextures)
{
    const std::string cfg = write("materials.cfg", "M_PROG == P\nM_MAT_TEXTURES == 0:wall.tga\n"
                                                   "M_MAT_P_PARAMS == a:1i=1\n");
    log.refuse.insert("P");
    EXPECT_EQ(store.add("M", nullptr, cfg), nullptr);
    EXPECT_FALSE(store.exists("M"));
    EXPECT_EQ(log.calls, std::vector<std::string>{"program file P " + cfg});
}

TEST_F(MaterialsFixture, SecondMaterialOnAStoredProgramLeavesItsParameters)
{
    const std::string cfg = write("materials.cfg", "A_PROG == P\nB_PROG == P\nB_MAT_P_PARAMS == own:1i=2\n");
    ASSERT_NE(programs.add("P", paramsOf("k:1i=5"), cfg), nullptr);
    ASSERT_NE(store.add("A", nullptr, cfg), nullptr);
    Material* second = store.add("B", nullptr, cfg);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(paramsText(&programs.get("P", false)->getParams()), "k=5");
    EXPECT_EQ(paramsText(second->getParams()), "own=2");
    EXPECT_FALSE(called(log, "setParams P"));
}

struct TextureItemsCase
{
    const char* what;
    const char* items;
    const char* bound;
};

void PrintTo(const TextureItemsCase& c, std::ostream* out)
{
    *out << c.what;
}

class TextureItems : public MaterialsFixture, public testing::WithParamInterface<TextureItemsCase>
{
};

TEST_P(TextureItems, BindWhatTheyName)
{
    const std::string cfg =
        write("materials.cfg", std::string("M_MAT_TEXTURES == ") + GetParam().items + "\n");
    Material* material = store.add("M", nullptr, cfg);
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(bindingsText(material), GetParam().bound);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextureItems,
    testing::Values(
        TextureItemsCase{"empty", "", ""}, TextureItemsCase{"one", " 2 : a.tga ", "2:a.tga"},
        TextureItemsCase{"later item for a unit wins in place", "1:a.tga,0:c.tga,1:b.tga", "1:b.tga 0:c.tga"},
        TextureItemsCase{"without a colon", "a.tga", ""}, TextureItemsCase{"two colons", "1:a:b.tga", ""},
        TextureItemsCase{"blank parts dropped", "1: :a.tga, :2:, ,,", "1:a.tga"},
        TextureItemsCase{"missing part", "1:, :b.tga", ""},
        TextureItemsCase{"unit that is no number reads 0", "x:a.tga", "0:a.tga"},
        TextureItemsCase{"negative unit kept for the texture to refuse", "-1:a.tga", "-1:a.tga"}));

TEST_F(MaterialsFixture, MissingTextureIsSkipped)
{
    log.refuse.insert("missing.tga");
    const std::string cfg = write("materials.cfg", "M_MAT_TEXTURES == 0:missing.tga, 1:a.tga\n");
    Material* material = store.add("M", nullptr, cfg);
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(bindingsText(material), "1:a.tga");
}

TEST_F(MaterialsFixture, WithoutTextureStoreNothingIsBound)
{
    maker.setTextureStore(nullptr);
    EXPECT_EQ(maker.getTextureStore(), nullptr);
    const std::string cfg = write("materials.cfg", "M_MAT_TEXTURES == 0:a.tga\n");
    Material* material = store.add("M", nullptr, cfg);
    ASSERT_NE(material, nullptr);
    EXPECT_TRUE(material->getTextures().empty());
    EXPECT_FALSE(called(log, "texture a.tga"));
}

TEST_F(MaterialsFixture, MatdefNameIsReadFromItsFileInTheLoadDirectory)
{
    write("wood.matdef", "wood_PROG == grain\nwood_MAT_grain_PARAMS == c:1i=3\n");
    Material* material = store.get("wood.matdef", true);
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(store.get("wood.matdef", false), material);
    EXPECT_FALSE(store.exists("wood"));
    EXPECT_EQ(material->getProgram(), programs.get("grain", false));
    EXPECT_EQ(paramsText(material->getParams()), "c=3");
    EXPECT_EQ(log.calls, std::vector<std::string>{"program file grain " + dir.path("wood.matdef")});
}

TEST_F(MaterialsFixture, ChangedMatdefExtensionDecidesWhatIsAFile)
{
    maker.setMatdefExt(".mat");
    EXPECT_EQ(store.getMatdefExt(), ".mat");
    write("a.b.mat", "a.b_PROG == inner\n");
    ASSERT_NE(store.get("a.b.mat", true), nullptr);
    EXPECT_TRUE(programs.exists("inner"));
    ASSERT_NE(store.get("x.matdef", true), nullptr);
    EXPECT_TRUE(programs.exists("x.matdef"));
}

TEST_F(MaterialsFixture, PlainNameIsAMaterialOfTheProgramOfThatName)
{
    write("plain", "plain_PROG == other\n");
    Material* material = store.get("plain", true);
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(material->getProgram(), programs.get("plain", false));
    EXPECT_EQ(log.calls, std::vector<std::string>{"program params plain"});
}

TEST_F(MaterialsFixture, ProgramNameTriesOnceMoreWithTheMaterialsParameters)
{
    log.refuse.insert("P");
    ShaderParams given = paramsOf("a:1i=1");
    EXPECT_EQ(maker.create("M", "P", &given), nullptr);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"program params P", "program params P"}));
    log.refuse.clear();
    Material* material = maker.create("M", "P", &given);
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(paramsText(material->getParams()), "a=1");
    delete material;
}

TEST_F(MaterialsFixture, StoredMaterialTakesNewParameters)
{
    const std::string cfg = write("materials.cfg", "M_MAT_M_PARAMS == a:1i=1\n");
    Material* material = store.add("M", nullptr, cfg);
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(store.add("M", nullptr, cfg), material);
    EXPECT_EQ(paramsText(material->getParams()), "a=1");
    ShaderParams given = paramsOf("b:1i=2");
    EXPECT_EQ(store.add("M", &given, "elsewhere.cfg"), material);
    EXPECT_EQ(paramsText(material->getParams()), "b=2");
    EXPECT_EQ(store.add("M", static_cast<ShaderParams*>(nullptr)), material);
    EXPECT_EQ(material->getParams(), nullptr);
    EXPECT_EQ(store.get("M", true), material);
}

TEST_F(MaterialsFixture, StoreOwnsItsMaterialsAndNotItsMaker)
{
    MatSysLog counted;
    CountedMaterial* stored = new CountedMaterial(&counted);
    CountedMaterial offered(&counted);
    EXPECT_EQ(store.add("X", stored), stored);
    EXPECT_EQ(store.add("X", &offered), stored);
    store.add("Y", new CountedMaterial(&counted));
    EXPECT_TRUE(store.destroy("Y"));
    EXPECT_FALSE(store.destroy("Y"));
    EXPECT_EQ(counted.deleted, 1);
    {
        MatSys::MaterialStore other(&maker);
        other.add("Z", new CountedMaterial(&counted));
        other.clear();
        other.clear();
        other.add("Z", new CountedMaterial(&counted));
    }
    EXPECT_EQ(counted.deleted, 3);
    store.clear();
    EXPECT_EQ(counted.deleted, 4);
    EXPECT_EQ(maker.getMatdefExt(), ".matdef");
}

TEST_F(MaterialsFixture, IteratorWalksMaterialsByName)
{
    store.add("b", new Material());
    store.add("a", new Material());
    std::string names;
    for (MatSys::MaterialStore::IteratorHandle it = store.getIterator(); !it->isDone(); it->next())
        names += it->currentItem().first;
    EXPECT_EQ(names, "ab");
}

TEST(MaterialMaker, WithoutProgramStoreMakesNothingByName)
{
    TempDir dir("matsys");
    const std::string cfg = dir.write("materials.cfg", "M_PROG == P\n");
    MatSys::MaterialMaker maker(nullptr, nullptr, dir.dir());
    EXPECT_EQ(maker.create("M", nullptr, cfg), nullptr);
    EXPECT_EQ(maker.create("M", nullptr), nullptr);
}

TEST(MaterialStore, WithoutMakerMakesNothing)
{
    MatSys::MaterialStore store(nullptr);
    EXPECT_EQ(store.getMatdefExt(), "WTH!!");
    EXPECT_EQ(store.get("M", true), nullptr);
    EXPECT_EQ(store.add("M", nullptr, "f"), nullptr);
    EXPECT_FALSE(store.exists("M"));
}

TEST_F(MaterialsFixture, CopiesAreIndependentOfTheirSource)
{
    MatSys::MaterialStoreHelper helper(&store);
    EXPECT_EQ(helper.addCopy("copy", "none"), nullptr);
    EXPECT_FALSE(store.exists("copy"));

    ShaderParams params = paramsOf("a:1i=1");
    Material* source = store.add("src", new Material(programs.get("P", true), &params));
    source->bindTexture(0, textures.get("t0", true));
    Material* copy = helper.addCopy("copy", "src");
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, source);
    EXPECT_EQ(store.get("copy", false), copy);
    EXPECT_EQ(copy->getProgram(), source->getProgram());
    EXPECT_EQ(paramsText(copy->getParams()), "a=1");

    ShaderParams other = paramsOf("b:1i=2");
    copy->setParams(&other);
    copy->bindTexture(0, textures.get("t1", true));
    copy->bindTexture(1, textures.get("t2", true));
    EXPECT_EQ(paramsText(source->getParams()), "a=1");
    EXPECT_EQ(bindingsText(source), "0:t0");

    EXPECT_EQ(helper.addCopy("copy", "src"), nullptr);
    EXPECT_EQ(store.get("copy", false), copy);
    EXPECT_TRUE(store.destroy("src"));
    EXPECT_EQ(paramsText(copy->getParams()), "b=2");
    EXPECT_EQ(bindingsText(copy), "0:t1 1:t2");
}

TEST_F(MaterialsFixture, UsingAMaterialBindsTexturesThenTheProgramAndUnbindsInTheSameOrder)
{
    Material material(programs.get("P", true), nullptr);
    material.bindTexture(2, textures.get("a", true));
    material.bindTexture(0, textures.get("b", true));
    log.calls.clear();
    material.beginUsing();
    material.endUsing();
    EXPECT_EQ(log.calls, (std::vector<std::string>{"bind a 2", "bind b 0", "begin P own", "unbind a 2",
                                                   "unbind b 0", "end P"}));

    ShaderParams params = paramsOf("a:1i=1");
    material.setParams(&params);
    log.calls.clear();
    material.beginUsing();
    EXPECT_EQ(log.calls.back(), "begin P given");
    EXPECT_EQ(static_cast<RecordingProgram*>(material.getProgram())->lastGiven, material.getParams());
}

TEST_F(MaterialsFixture, MaterialWithoutProgramTouchesNothing)
{
    Material material;
    material.bindTexture(0, textures.get("a", true));
    material.bindTexture(1, nullptr);
    log.calls.clear();
    material.beginUsing();
    material.endUsing();
    EXPECT_TRUE(log.calls.empty());
    EXPECT_EQ(bindingsText(&material), "0:a");
    EXPECT_EQ(maker.create("M", static_cast<MatSys::I_ShaderProgram*>(nullptr), nullptr), nullptr);
}

TEST(Material, ParametersAreItsOwnCopy)
{
    ShaderParams params = paramsOf("a:1i=1");
    Material material(nullptr, &params);
    params.add("b:1i=2");
    EXPECT_EQ(paramsText(material.getParams()), "a=1");
    material.setParams(material.getParams());
    EXPECT_EQ(paramsText(material.getParams()), "a=1");
    material.setParams(nullptr);
    EXPECT_EQ(material.getParams(), nullptr);

    Material assigned;
    assigned = Material(nullptr, &params);
    EXPECT_EQ(paramsText(assigned.getParams()), "a=1 b=2");
}

struct LoadDirCase
{
    const char* given;
    const char* file;
};

void PrintTo(const LoadDirCase& c, std::ostream* out)
{
    *out << '"' << c.given << '"';
}

class LoadDirectory : public testing::TestWithParam<LoadDirCase>
{
};

// The load directory shows in the file that a definition-file material is read from.
TEST_P(LoadDirectory, EndsInASlashUnlessEmpty)
{
    MatSysLog log;
    RecordingProgramMaker programMaker(&log);
    MatSys::ShaderProgramStore programs(&programMaker);
    MatSys::MaterialMaker maker(&programs, nullptr, "unused");
    maker.setLoadDir(GetParam().given);
    delete maker.create("m.matdef", nullptr);
    EXPECT_EQ(log.calls, std::vector<std::string>{std::string("program file m ") + GetParam().file});
}

INSTANTIATE_TEST_SUITE_P(Table, LoadDirectory,
                         testing::Values(LoadDirCase{"", "m.matdef"}, LoadDirCase{"data", "data/m.matdef"},
                                         LoadDirCase{"data/", "data/m.matdef"},
                                         LoadDirCase{"/", "/m.matdef"}));
} // namespace
