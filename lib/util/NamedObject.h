#pragma once

#include <string>

namespace Util
{
// Base of everything that is kept or looked up by name.
class NamedObject
{
public:
    explicit NamedObject(const std::string& n) : name(n) {}
    virtual ~NamedObject() = default;

    std::string name;
};
} // namespace Util
