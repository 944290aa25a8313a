// A configuration file with up to two ".MOD" companions and an override store, all from one input:
// the parts are cut at FuzzFiles::PART_SEPARATOR in the order main file, first companion, second
// companion, override file. Every key of both stores is then looked up, read as numbers and as lists,
// and the main file's text is handed to the reference replacement.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "CFG/Info.h"
#include "CFG/InfoParser.h"
#include "ExpectedFatalReport.h"
#include "FuzzFiles.h"

namespace
{
void readEverything(const std::string& mainFile, const std::string& overrideFile, const std::string& mainText)
{
    CFG::Info overrides(overrideFile, nullptr);
    CFG::Info info(mainFile, &overrides);
    const CFG::InfoParser parser(&info);
    std::vector<std::string> keys;
    std::vector<std::string> overrideKeys;
    info.keys(keys);
    overrides.keys(overrideKeys);
    keys.insert(keys.end(), overrideKeys.begin(), overrideKeys.end());
    for (const std::string& key : keys)
    {
        info.get(key);
        parser.getNumber<int>(key);
        parser.getNumber<double>(key);
        std::vector<unsigned long> numbers;
        parser.getNumbers(key, numbers, ",", true);
    }
    info.replaceKeys(mainText);
    // Adding over a loaded store follows the same grammar as a line.
    if (!keys.empty())
    {
        info.add(keys.front(), mainText.substr(0, 64));
        info.get(keys.front());
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input = FuzzFiles::text(data, size);
    const std::vector<std::string> pieces = FuzzFiles::parts(input, 4);
    const std::string mainFile = FuzzFiles::writePart(pieces, 0, "a.cfg");
    FuzzFiles::writePart(pieces, 1, "a.cfg.MOD");
    FuzzFiles::writePart(pieces, 2, "a.cfg.MOD.MOD");
    const std::string overrideFile = FuzzFiles::writePart(pieces, 3, "settings.cfg");
    FuzzReport::run([&] { readEverything(mainFile, overrideFile, pieces[0]); });
    return 0;
}
