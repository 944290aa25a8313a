#pragma once

#include <string>
#include <utility>
#include <vector>

#include "MatSys/I_ShaderMaker.h"

namespace MatSys
{
namespace OGL
{
// Name endings of vertex and fragment shaders.
extern const std::string VS_EXT;
extern const std::string FS_EXT;

// Makes GLSL shaders from definitions in a definition file, from GLSL files ending ".glsl" and from
// shader definition files ending ".shader" in the load directory. A shader's name ends in the ending of
// its type. Every shader made is compiled; one that fails is not made.
class ShaderMaker : public I_ShaderMaker
{
public:
    using TypeMappings = std::vector<std::pair<std::string, int>>;

    explicit ShaderMaker(const std::string& loadDir);
    ~ShaderMaker() override = default;

    void getTypeStrings(std::vector<std::string>& out) const override;
    // code first, then each file of the load directory in order; null when the name has no type, there
    // is no source, a file is missing or empty, or compiling fails.
    I_Shader* create(const std::string& name, const std::string& code,
                     const std::vector<std::string>& files) override;
    // A ".glsl" file or a ".shader" definition file of the load directory; null for any other name.
    I_Shader* create(const std::string& name) override;
    // The definition of name in file (not prefixed by the load directory), or the file's "CODE" and
    // "FILES" when name has neither key; by name alone when the file has neither either.
    I_Shader* create(const std::string& name, const std::string& file) override;

    // Kept empty, or ending in "/".
    virtual void setLoadDir(const std::string& dir);
    virtual void defineTypeMappings(const TypeMappings& mappings);
    // The type of the first mapping whose ending ends name; 0 when none does.
    virtual int nameToType(const std::string& name) const;

private:
    std::string m_loadDir;
    TypeMappings m_typeMappings;
};
} // namespace OGL
} // namespace MatSys
