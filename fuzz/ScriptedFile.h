#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "CFG/Overrides.h"
#include "ExpectedFatalReport.h"
#include "FuzzFiles.h"

// Targets that read one configuration file and then drive what read it with an event script: the input
// is split into the file, a settings file for the override store and the script.
namespace ScriptedFile
{
// Writes the file under fileName and the settings file, then calls drive(file, script) with the settings
// as the only overrides; the override store is left empty again for the next input.
template <class Drive>
void run(const std::uint8_t* data, std::size_t size, const std::string& fileName, Drive drive)
{
    const std::vector<std::string> pieces = FuzzFiles::parts(FuzzFiles::text(data, size), 3);
    const std::string file = FuzzFiles::writePart(pieces, 0, fileName);
    const std::string settings = FuzzFiles::writePart(pieces, 1, "settings.cfg");
    const std::string script = pieces.size() > 2 ? pieces[2] : std::string();
    FuzzReport::run([&] {
        CFG::Info* overrides = CFG::getDefaultOverrides();
        overrides->reset();
        overrides->addConfig(settings);
        drive(file, script);
        overrides->reset();
    });
}
} // namespace ScriptedFile
