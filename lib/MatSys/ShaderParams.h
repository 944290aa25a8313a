#pragma once

#include <memory>
#include <string>
#include <vector>

#include "MatSys/ShaderParam.h"

namespace MatSys
{
class ShaderParamsIterator;

// Parameters by name, at most one per name, in byte order of the names. The set keeps copies of what it
// is given; it only grows or has entries replaced.
class ShaderParams
{
public:
    using IteratorHandle = std::unique_ptr<ShaderParamsIterator>;

    ShaderParams();
    // An empty set that then merges other.
    ShaderParams(const ShaderParams& other);
    ShaderParams& operator=(const ShaderParams&) = delete;
    virtual ~ShaderParams();

    // Replaces a parameter of the same name whole.
    virtual void add(const ShaderParam& param);
    // One parameter line, name:type=values; a line that does not make exactly three tokens is ignored.
    virtual void add(const std::string& line);
    virtual void add(const std::vector<std::string>& lines);
    // other's parameters win over same-named ones here; the rest of this set stays.
    virtual void merge(const ShaderParams& other);
    // Starts at the first parameter in name order.
    virtual IteratorHandle getIterator() const;

    // The parameter of that name, or null; valid until the set changes.
    const ShaderParam* find(const std::string& name) const;

private:
    friend class ShaderParamsIterator;
    class Impl;
    Impl* m_impl;
};
} // namespace MatSys

#include "MatSys/ShaderParamsIterator.h"
