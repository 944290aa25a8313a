#include "Game/GAME_MAIN/StartUp.h"

#include <string>
#include <vector>

#include "CFG/CFG.h"
#include "Render/AbilityTable.h"
#include "Render/I_RenderAbilities.h"
#include "files/TextFile.h"
#include "util/StringUtil.h"

namespace Game
{
namespace
{
const std::string c_mainFile = "orvik.cfg";
const std::string c_settingsPrefix = "SETTINGS_";
const std::string c_cfgSuffix = ".cfg";

bool hasAssignment(const std::string& argument)
{
    return argument.find("==") != std::string::npos;
}

bool endsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool isYes(const std::string& key)
{
    const std::string value = CFG::get(key);
    return value == "YES" || value == "Y" || value == "1";
}
} // namespace

int layerConfiguration(int argc, char** argv)
{
    CFG::Info* overrides = CFG::getDefaultOverrides();
    std::string settingsFile = c_settingsPrefix + c_mainFile;
    int next = 1;
    if (argc > 1 && !hasAssignment(argv[1]) &&
        std::string(argv[1]).compare(0, c_settingsPrefix.size(), c_settingsPrefix) == 0)
    {
        settingsFile = argv[1];
        next = 2;
    }
    overrides->addConfig(settingsFile);
    overrides->add("SETTINGS_FILE", settingsFile);
    CFG::setConfig(c_mainFile);
    if (next < argc && !hasAssignment(argv[next]) && endsWith(argv[next], c_cfgSuffix))
    {
        const std::string extra = argv[next++];
        if (Files::TextFile::size(extra) == 0)
            return 1;
        CFG::addConfig(extra);
    }
    for (; next < argc; ++next)
    {
        const std::string argument = argv[next];
        if (argument.compare(0, 1, "-") == 0)
            continue;
        std::vector<std::string> parts;
        Util::splitString(argument, "==", parts, true, true);
        if (parts.size() == 2)
            overrides->add(parts[0], parts[1]);
    }
    return 0;
}

Render::ViewData initialViewData()
{
    const CFG::InfoParser* parser = CFG::parser();
    Render::ViewData data;
    data.minZ = parser->getNumber<float>("MIN_Z");
    data.maxZ = parser->getNumber<float>("MAX_Z");
    data.fov = parser->getNumber<float>("FOV");
    data.x = 0;
    data.y = 0;
    data.width = parser->getNumber<int>("SCREEN_WIDTH");
    data.height = parser->getNumber<int>("SCREEN_HEIGHT");
    data.zoomX = 1.0f;
    data.zoomY = 1.0f;
    data.vsync = isYes("VSYNC_ON") ? 1 : 0;
    data.is3D = isYes("IS_3D");
    return data;
}

void publishAbilities(Render::I_RenderAbilities& abilities)
{
    CFG::Info* overrides = CFG::getDefaultOverrides();
    for (const Render::AbilityName& ability : Render::ABILITY_TABLE)
    {
        const int detected = abilities.getAbility(ability.id);
        const std::string key = std::string("INFO_") + ability.name;
        if (CFG::get(key).empty())
            overrides->add(key, Util::numToStr(detected, 10, 0));
        else
            abilities.setAbility(ability.id, CFG::parser()->getNumber<int>(key));
    }
}

void pinGlobalKeys()
{
    CFG::Info* overrides = CFG::getDefaultOverrides();
    std::vector<std::string> keys;
    Util::splitString(CFG::get("GLOBAL_KEYS"), ",", keys, false, true);
    for (const std::string& key : keys)
    {
        if (overrides->get(key).empty())
            overrides->add(key, CFG::get(key));
    }
}
} // namespace Game
