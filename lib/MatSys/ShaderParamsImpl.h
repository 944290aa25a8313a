#pragma once

#include <string>

#include "MatSys/ShaderParam.h"
#include "MatSys/ShaderParams.h"
#include "util/BasicStore.h"

namespace MatSys
{
// The parameters by value; a miss answers a default parameter.
class ShaderParams::Impl : public Util::BasicStore<std::string, ShaderParam>
{
public:
    Impl() : Util::BasicStore<std::string, ShaderParam>(ShaderParam()) {}

    const ShaderParam* findPtr(const std::string& name) const
    {
        std::map<std::string, ShaderParam>::const_iterator pos = storeMap.find(name);
        return pos == storeMap.end() ? nullptr : &pos->second;
    }
};
} // namespace MatSys
