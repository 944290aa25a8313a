#pragma once

#include <string>
#include <vector>

namespace ModelSys
{
// What became of loading one model file.
struct ModelFileInfo
{
    bool loaded = false;
    std::string errorLog;
    std::vector<std::string> meshNames;
    std::vector<std::string> materialNames;
    std::vector<std::string> textureNames;
};
} // namespace ModelSys
