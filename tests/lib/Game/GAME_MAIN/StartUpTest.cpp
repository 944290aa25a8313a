#include <gtest/gtest.h>

#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "CFG/CFG.h"
#include "Game/GAME_MAIN/StartUp.h"
#include "Render/I_RenderAbilities.h"
#include "support/TempDir.h"

namespace
{
using Files = std::map<std::string, std::string>;
// A working directory of configuration files, entered for the test and left afterwards.
class ConfigDir
{
public:
    explicit ConfigDir(const std::map<std::string, std::string>& files) : dir("orvik-startup")
    {
        for (const auto& file : files)
            dir.write(file.first, file.second);
        char buffer[4096];
        previous = getcwd(buffer, sizeof buffer) != nullptr ? buffer : ".";
        EXPECT_EQ(0, chdir(dir.dir().c_str()));
        CFG::getDefaultOverrides()->reset();
    }
    ~ConfigDir()
    {
        CFG::getDefaultOverrides()->reset();
        CFG::setConfig("");
        EXPECT_EQ(0, chdir(previous.c_str()));
    }
    int layer(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), "orvik");
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(&argument[0]);
        return Game::layerConfiguration(static_cast<int>(argv.size()), argv.data());
    }
    Testing::TempDir dir;
    std::string previous;
};

const std::map<std::string, std::string> c_files = {
    {"orvik.cfg", "FROM == main\nA == mainA\nB == mainB\nSETTINGS_X == main\n"},
    {"SETTINGS_orvik.cfg", "S == default settings\nA == settingsA\n"},
    {"SETTINGS_other.cfg", "S == other settings\n"},
    {"extra.cfg", "FROM == extra\n"},
    {"second.cfg", "FROM == second\n"},
    {"empty.cfg", ""},
    {"extra.CFG", "FROM == upper\n"},
};

TEST(StartUp, CommandLinesLayerSettingsFilesAndOverrides)
{
    using Keys = std::map<std::string, std::string>;
    const struct
    {
        std::vector<std::string> arguments;
        Keys expected;
    } cases[] = {
        {{},
         {{"SETTINGS_FILE", "SETTINGS_orvik.cfg"},
          {"S", "default settings"},
          {"FROM", "main"},
          {"A", "settingsA"}}},
        {{"SETTINGS_other.cfg"},
         {{"SETTINGS_FILE", "SETTINGS_other.cfg"}, {"S", "other settings"}, {"FROM", "main"}}},
        {{"SETTINGS_other.cfg", "extra.cfg"}, {{"S", "other settings"}, {"FROM", "extra"}}},
        {{"extra.cfg"}, {{"S", "default settings"}, {"FROM", "extra"}}},
        {{"SETTINGS_X==cmd"}, {{"SETTINGS_FILE", "SETTINGS_orvik.cfg"}, {"SETTINGS_X", "cmd"}}},
        {{"extra.cfg", "second.cfg"}, {{"FROM", "extra"}}},
        {{"A==1", "extra.cfg"}, {{"FROM", "main"}, {"A", "1"}}},
        {{"extra.CFG"}, {{"FROM", "main"}}},
        {{" A == B "}, {{"A", "B"}}},
        {{"B=="}, {{"B", "mainB"}}},
        {{"A==B==D", "-A==B", "A", "-B==x"}, {{"A", "settingsA"}, {"B", "mainB"}}},
        {{"A==cmd"}, {{"A", "cmd"}}},
        {{"A==1", "A==2"}, {{"A", "2"}}},
    };
    for (const auto& c : cases)
    {
        ConfigDir dir(c_files);
        EXPECT_EQ(0, dir.layer(c.arguments));
        for (const auto& key : c.expected)
            EXPECT_EQ(key.second, CFG::get(key.first))
                << key.first << " after " << (c.arguments.empty() ? "" : c.arguments[0]);
    }
}

TEST(StartUp, AMissingOrEmptyConfigurationArgumentStopsBeforeTheOverrides)
{
    for (const char* file : {"missing.cfg", "empty.cfg"})
    {
        ConfigDir dir(c_files);
        EXPECT_EQ(1, dir.layer({file, "A==cmd"})) << file;
        EXPECT_EQ("settingsA", CFG::getDefaultOverrides()->get("A")) << file;
    }
}

class FakeAbilities : public Render::I_RenderAbilities
{
public:
    FakeAbilities()
    {
        for (int id = 0; id < ABILITY_COUNT; ++id)
            values[id] = id < MAX_TEXTURE_SIZE_2D ? 1 : 4096 + id;
    }
    int getAbility(int id) override
    {
        asked.push_back(id);
        return values[id];
    }
    void setAbility(int id, int value) override { values[id] = value; }
    int values[ABILITY_COUNT];
    std::vector<int> asked;
};

TEST(StartUp, AbilitiesArePublishedUnlessConfiguredWhichForcesThem)
{
    ConfigDir dir(Files{{"orvik.cfg", "INFO_HAVE_SHADERS == 0\nINFO_MAX_RTT_SIZE == 0x100\n"}});
    dir.layer({});
    FakeAbilities abilities;
    Game::publishAbilities(abilities);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 4, 3, 5, 6, 7, 8, 9, 10, 11}), abilities.asked);
    EXPECT_EQ(0, abilities.values[Render::I_RenderAbilities::HAVE_SHADERS]);
    EXPECT_EQ(256, abilities.values[Render::I_RenderAbilities::MAX_RTT_SIZE]);
    CFG::Info* overrides = CFG::getDefaultOverrides();
    EXPECT_EQ("", overrides->get("INFO_HAVE_SHADERS"));
    EXPECT_EQ("0", CFG::get("INFO_HAVE_SHADERS"));
    EXPECT_EQ("", overrides->get("INFO_MAX_RTT_SIZE"));
    EXPECT_EQ("4103", overrides->get("INFO_MAX_TEXTURE_SIZE_2D"));
    EXPECT_EQ("1", CFG::get("INFO_HAVE_VBOS"));
}

TEST(StartUp, GlobalKeysArePinnedUnlessAlreadyOverridden)
{
    const struct
    {
        const char* globalKeys;
        std::vector<std::string> arguments;
        std::map<std::string, std::string> pinned;
    } cases[] = {
        {"A, B", {"A==cmd"}, {{"A", "cmd"}, {"B", "mainB"}}},
        {"", {}, {{"A", "settingsA"}, {"B", ""}}},
        {"B,,C", {}, {{"B", "mainB"}, {"C", ""}}},
    };
    for (const auto& c : cases)
    {
        ConfigDir dir(
            Files{{"orvik.cfg", std::string("A == mainA\nB == mainB\nGLOBAL_KEYS == ") + c.globalKeys + "\n"},
                  {"SETTINGS_orvik.cfg", "A == settingsA\n"}});
        dir.layer(c.arguments);
        Game::pinGlobalKeys();
        for (const auto& key : c.pinned)
            EXPECT_EQ(key.second, CFG::getDefaultOverrides()->get(key.first))
                << c.globalKeys << " " << key.first;
    }
}

TEST(StartUp, TheFirstViewComesFromTheConfiguration)
{
    ConfigDir dir(Files{{"orvik.cfg", "MIN_Z == 1.5\nMAX_Z == 900\nFOV == 45\nSCREEN_WIDTH == 640\n"
                                      "SCREEN_HEIGHT == 480\nVSYNC_ON == yes\nIS_3D == Y\n"}});
    dir.layer({});
    const Render::ViewData data = Game::initialViewData();
    EXPECT_EQ(1.5f, data.minZ);
    EXPECT_EQ(900.0f, data.maxZ);
    EXPECT_EQ(45.0f, data.fov);
    EXPECT_EQ(0, data.x);
    EXPECT_EQ(640, data.width);
    EXPECT_EQ(480, data.height);
    EXPECT_EQ(1.0f, data.zoomX);
    EXPECT_EQ(0, data.vsync);
    EXPECT_TRUE(data.is3D);
}
} // namespace
