#pragma once

#include <string>
#include <vector>

namespace Testing
{
// Builds the text of an input configuration file for one controller: its name line, the area and switch
// lists in the order the entries were added, and each entry's keys under "CONTROLLER_ENTRY_". Values are
// written as given, so a test can also write malformed ones.
class InputConfigText
{
public:
    // Without the name line the controller must be named by the caller of init.
    explicit InputConfigText(const std::string& controller, bool nameLine = true)
        : controller(controller), nameLine(nameLine)
    {
    }

    // An area with its position and size ("x,y" and "w,h" in percent).
    InputConfigText& area(const std::string& name, const std::string& pos = "0,0",
                          const std::string& size = "100,100")
    {
        areas.push_back(name);
        return set(name, "POS", pos).set(name, "SIZE", size);
    }

    // A switch with its triggers, the areas it works in and its four delays.
    InputConfigText& switchOn(const std::string& name, const std::string& triggers,
                              const std::string& areas = "ANYWHERE", const std::string& delays = "0,0,0,0")
    {
        switches.push_back(name);
        return set(name, "TRIGGER", triggers).set(name, "DELAYS", delays).set(name, "AREA", areas);
    }

    // Any further key of an area or a switch, e.g. set("SELECT", "PRESS", "MENU_SELECT").
    InputConfigText& set(const std::string& entry, const std::string& key, const std::string& value)
    {
        return line(controller + "_" + entry + "_" + key, value);
    }

    // Any line, key as written.
    InputConfigText& line(const std::string& key, const std::string& value)
    {
        lines.push_back(key + " == " + value + "\n");
        return *this;
    }

    std::string text() const
    {
        std::string out;
        if (nameLine)
            out += "INPUT_CONTROLLER_NAME == " + controller + "\n";
        if (!areas.empty())
            out += controller + "_AREA_LIST == " + joined(areas) + "\n";
        if (!switches.empty())
            out += controller + "_SWITCH_LIST == " + joined(switches) + "\n";
        for (const std::string& l : lines)
            out += l;
        return out;
    }

private:
    static std::string joined(const std::vector<std::string>& names)
    {
        std::string out;
        for (const std::string& name : names)
            out += (out.empty() ? "" : ",") + name;
        return out;
    }

    std::string controller;
    bool nameLine;
    std::vector<std::string> areas;
    std::vector<std::string> switches;
    std::vector<std::string> lines;
};
} // namespace Testing
