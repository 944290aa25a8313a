#pragma once

#include <cstdint>
#include <string>

#include "util/NamedObject.h"

namespace MatSys
{
// One named, typed value (or array of values) that a program applies when it is bound. The values are
// parsed once, here; whoever applies the parameter reads the slots and never parses the text again.
class ShaderParam : public Util::NamedObject
{
public:
    static const int MAX_VALUES = 36;

    // Named "UNNAMED_SHADER_PARAM", no type, no values.
    ShaderParam();
    // valueText is a comma-separated list; the type's second character decides between floats ('f') and
    // integers (anything else). More than MAX_VALUES items leave every slot 0.
    ShaderParam(const std::string& name, const std::string& type, const std::string& valueText);
    ~ShaderParam() override = default;

    // True when the slots hold floats.
    bool isFloat() const { return isFloatType(type); }
    static bool isFloatType(const std::string& type) { return type.size() >= 2 && type[1] == 'f'; }

    std::string type;
    std::string valueText;
    // Only the member that the type selects is ever written and read.
    union Values
    {
        float f[MAX_VALUES];
        std::int32_t i[MAX_VALUES];
    } values;
    // Vectors of a vector type ("1fv" to "4iv"), 1 to 9; 0 for any other type or a count that does not fit.
    std::int32_t vectorCount;

private:
    void parseValues();
};
} // namespace MatSys
