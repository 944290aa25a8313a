#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MatSys/ShaderParams.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/ShaderStore.h"
#include "MatSys/TextureStore.h"
#include "support/MatSysRecorders.h"

using namespace Testing;
using MatSys::ShaderParams;

namespace
{
std::vector<std::string> storedNames(MatSys::TextureStore& store)
{
    std::vector<std::string> names;
    for (MatSys::TextureStore::IteratorHandle it = store.getIterator(); !it->isDone(); it->next())
        names.push_back(it->currentItem().first);
    return names;
}

ShaderParams paramsOf(const std::string& line)
{
    ShaderParams params;
    params.add(line);
    return params;
}

std::string valueOf(const MatSys::I_ShaderProgram* program, const std::string& name)
{
    const MatSys::ShaderParam* param = program->getParams().find(name);
    return param != nullptr ? param->valueText : "(none)";
}

TEST(TextureStore, MakesMissingTexturesOnlyWhenAsked)
{
    MatSysLog log;
    RecordingTextureMaker maker(&log);
    MatSys::TextureStore store(&maker);

    EXPECT_EQ(store.get("a.tga", false), nullptr);
    EXPECT_TRUE(log.calls.empty());
    MatSys::I_Texture* made = store.get("a.tga", true);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(store.add("a.tga"), made);
    EXPECT_EQ(store.get("a.tga", true), made);
    EXPECT_EQ(log.calls, std::vector<std::string>{"texture a.tga"});
    EXPECT_TRUE(store.exists("a.tga"));

    log.refuse.insert("bad.tga");
    EXPECT_EQ(store.add("bad.tga"), nullptr);
    EXPECT_FALSE(store.exists("bad.tga"));
}

TEST(TextureStore, WithoutMakerMakesNothing)
{
    MatSys::TextureStore store(nullptr);
    EXPECT_EQ(store.get("a.tga", true), nullptr);
    EXPECT_EQ(store.create("a", nullptr, 32, 1, 1), nullptr);
    EXPECT_EQ(store.getTextureMaker(), nullptr);
}

TEST(TextureStore, TextureFromPixelsUnderATakenNameStaysTheCallers)
{
    MatSysLog log;
    RecordingTextureMaker maker(&log);
    MatSys::TextureStore store(&maker);
    MatSys::I_Texture* first = store.create("p", nullptr, 32, 1, 1);
    ASSERT_NE(first, nullptr);
    MatSys::I_Texture* second = store.create("p", nullptr, 32, 1, 1);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(store.get("p", false), first);
    delete second;
    EXPECT_EQ(log.alive(), 2); // the maker and the stored texture
}

TEST(TextureStore, TakenNameKeepsTheStoredObject)
{
    MatSysLog log;
    MatSys::TextureStore store(nullptr);
    RecordingTexture* stored = new RecordingTexture(&log, "one");
    RecordingTexture offered(&log, "two");
    EXPECT_EQ(store.add("t", stored), stored);
    EXPECT_EQ(store.add("t", &offered), stored);
    EXPECT_EQ(store.add("n", nullptr), nullptr);
    EXPECT_FALSE(store.exists("n"));
    EXPECT_EQ(log.deleted, 0);
}

TEST(TextureStore, DestroyClearAndTheEndDeleteEachObjectOnceButNeverTheMaker)
{
    MatSysLog log;
    {
        RecordingTextureMaker maker(&log);
        {
            MatSys::TextureStore store(&maker);
            store.add("a");
            store.add("b");
            store.add("c");
            EXPECT_TRUE(store.destroy("b"));
            EXPECT_FALSE(store.destroy("b"));
            EXPECT_FALSE(store.destroy("never"));
            EXPECT_EQ(log.deleted, 1);
            store.clear();
            EXPECT_EQ(log.deleted, 3);
            store.clear();
            store.add("d");
        }
        EXPECT_EQ(log.deleted, 4);
        EXPECT_EQ(log.alive(), 1);
    }
    EXPECT_EQ(log.alive(), 0);
}

TEST(TextureStore, IteratorWalksNamesInByteOrder)
{
    MatSysLog log;
    RecordingTextureMaker maker(&log);
    MatSys::TextureStore store(&maker);
    {
        MatSys::TextureStore::IteratorHandle it = store.getIterator();
        EXPECT_TRUE(it->isDone());
        EXPECT_EQ(it->currentItem().first, "");
        EXPECT_EQ(it->currentItem().second, nullptr);
    }
    for (const char* name : {"b", "a", "Z", "B"})
        store.add(name);
    EXPECT_EQ(storedNames(store), (std::vector<std::string>{"B", "Z", "a", "b"}));
    MatSys::TextureStore::IteratorHandle it = store.getIterator();
    EXPECT_EQ(it->currentItem().second, store.get("B", false));
    it->next();
    it->first();
    EXPECT_EQ(it->currentItem().first, "B");
}

TEST(ShaderProgramStore, GetMakesAMissingProgramWithAnEmptySet)
{
    MatSysLog log;
    RecordingProgramMaker maker(&log);
    MatSys::ShaderProgramStore store(&maker);
    EXPECT_EQ(store.get("p", false), nullptr);
    MatSys::I_ShaderProgram* program = store.get("p", true);
    ASSERT_NE(program, nullptr);
    EXPECT_TRUE(program->getParams().getIterator()->isDone());
    EXPECT_EQ(log.calls, std::vector<std::string>{"program params p"});
    EXPECT_EQ(MatSys::ShaderProgramStore(nullptr).get("p", true), nullptr);
}

TEST(ShaderProgramStore, AddingParametersToAStoredProgramReplacesItsOwn)
{
    MatSysLog log;
    RecordingProgramMaker maker(&log);
    MatSys::ShaderProgramStore store(&maker);
    MatSys::I_ShaderProgram* program = store.add("p", paramsOf("a:1i=1"), "defs.cfg");
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(valueOf(program, "a"), "1");

    EXPECT_EQ(store.add("p", paramsOf("b:1i=2"), "other.cfg"), program);
    EXPECT_EQ(valueOf(program, "a"), "(none)");
    EXPECT_EQ(valueOf(program, "b"), "2");
    EXPECT_EQ(store.add("p", paramsOf("c:1i=3")), program);
    EXPECT_EQ(valueOf(program, "c"), "3");
    EXPECT_EQ(log.calls, (std::vector<std::string>{"program file p defs.cfg", "setParams p", "setParams p"}));
}

TEST(ShaderProgramStore, ProgramRefusingParametersGivesNullButStays)
{
    MatSysLog log;
    MatSys::ShaderProgramStore store(nullptr);
    RecordingProgram* program = new RecordingProgram(&log, "p", ShaderParams());
    program->acceptParams = false;
    store.add("p", program);
    EXPECT_EQ(store.add("p", paramsOf("a:1i=1")), nullptr);
    EXPECT_EQ(store.add("p", paramsOf("a:1i=1"), "f"), nullptr);
    EXPECT_EQ(store.get("p", false), program);
}

TEST(ShaderProgramStore, AddingShaderNamesToAStoredProgramLeavesIt)
{
    MatSysLog log;
    RecordingProgramMaker maker(&log);
    MatSys::ShaderProgramStore store(&maker);
    MatSys::I_ShaderProgram* program =
        store.add("p", paramsOf("a:1i=1"), std::vector<std::string>{"x.VS", "x.FS"});
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(store.add("p", paramsOf("b:1i=1"), std::vector<std::string>{"y.VS"}), program);
    EXPECT_EQ(valueOf(program, "a"), "1");
    EXPECT_EQ(log.calls, std::vector<std::string>{"program shaders p x.VS x.FS"});
}

TEST(ShaderProgramStore, WithoutMakerOrWhenTheMakerFailsNothingIsStored)
{
    MatSysLog log;
    RecordingProgramMaker maker(&log);
    log.refuse.insert("bad");
    MatSys::ShaderProgramStore store(&maker);
    EXPECT_EQ(store.add("bad", ShaderParams()), nullptr);
    EXPECT_EQ(store.add("bad", ShaderParams(), "f"), nullptr);
    EXPECT_EQ(store.add("bad", ShaderParams(), std::vector<std::string>{"s"}), nullptr);
    EXPECT_FALSE(store.exists("bad"));
    store.setProgramMaker(nullptr);
    EXPECT_EQ(store.add("good", ShaderParams()), nullptr);
    EXPECT_EQ(store.add("good", ShaderParams(), "f"), nullptr);
    EXPECT_EQ(store.add("good", ShaderParams(), std::vector<std::string>{"s"}), nullptr);
    EXPECT_EQ(log.calls.size(), 3u);
}

TEST(ShaderStore, StoredShaderIsAnsweredWithoutReadingTheFile)
{
    MatSysLog log;
    RecordingShaderMaker maker(&log);
    MatSys::ShaderStore store(&maker);
    MatSys::I_Shader* shader = store.add("s.VS", "defs.cfg");
    ASSERT_NE(shader, nullptr);
    EXPECT_EQ(store.add("s.VS", "other.cfg"), shader);
    EXPECT_EQ(store.add("s.VS"), shader);
    EXPECT_EQ(store.get("t.FS", false), nullptr);
    EXPECT_NE(store.get("t.FS", true), nullptr);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"shader file s.VS defs.cfg", "shader name t.FS"}));
}

TEST(ShaderStore, TypeStringsComeFromTheMaker)
{
    MatSysLog log;
    RecordingShaderMaker maker(&log);
    MatSys::ShaderStore store(nullptr);
    std::vector<std::string> types{"kept"};
    store.getTypeStrings(types);
    EXPECT_EQ(types, std::vector<std::string>{"kept"});
    store.setShaderMaker(&maker);
    store.getTypeStrings(types);
    EXPECT_EQ(types, (std::vector<std::string>{"kept", ".REC"}));
    EXPECT_EQ(MatSys::ShaderStore(nullptr).add("s", "f"), nullptr);
}

TEST(ShaderStore, EveryObjectIsDeletedOnceAndTheMakerNever)
{
    MatSysLog log;
    RecordingShaderMaker maker(&log);
    {
        MatSys::ShaderStore store(&maker);
        store.add("a");
        store.add("b", "f");
        EXPECT_TRUE(store.destroy("a"));
        std::unique_ptr<MatSys::ShaderStoreIterator> it = store.getIterator();
        EXPECT_EQ(it->currentItem().first, "b");
    }
    EXPECT_EQ(log.deleted, 2);
    EXPECT_EQ(log.alive(), 1);
}
} // namespace
