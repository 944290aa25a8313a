#pragma once

#include <string>

namespace Files
{
// Whatever can replace "::NAME::" references in a text. Text files are read below the configuration
// stores, so they see a store only through this interface.
class I_KeyReplacer
{
public:
    virtual std::string replaceKeys(const std::string& text) const = 0;

protected:
    virtual ~I_KeyReplacer() = default;
};
} // namespace Files
