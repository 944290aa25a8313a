#pragma once

#include <sstream>
#include <string>

// A script of events from a fuzz input: one command per line, a letter and its arguments, read by the
// target that runs it. Numbers that are missing or malformed read 0.
namespace EventScript
{
struct Command
{
    char letter = 0;
    std::string text; // everything after the letter and one blank
    long numbers[5] = {0, 0, 0, 0, 0};
};

template <class Handler> void run(const std::string& script, Handler handle)
{
    std::istringstream in(script);
    std::string line;
    while (std::getline(in, line))
    {
        if (line.empty())
            continue;
        Command command;
        command.letter = line[0];
        command.text = line.size() > 2 ? line.substr(2) : std::string();
        std::istringstream args(command.text);
        for (long& n : command.numbers)
        {
            if (!(args >> n))
                break;
        }
        handle(command);
    }
}
} // namespace EventScript
