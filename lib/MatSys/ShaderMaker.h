#pragma once

#include <cstddef>
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

    // The most source text one shader may have: its code and the text of all its files together (after
    // references are replaced). Past it the shader is not made, as when a file is missing. Real shaders
    // are a few kilobytes; without a bound a file list naming one large file thousands of times would
    // hold all the copies in memory at once.
    static const std::size_t MAX_SOURCE_BYTES = 4u << 20;

    explicit ShaderMaker(const std::string& loadDir);
    ~ShaderMaker() override = default;

    void getTypeStrings(std::vector<std::string>& out) const override;
    // code first, then each file of the load directory in order; null when the name has no type, there
    // is no source, a file is missing or empty, the sources exceed MAX_SOURCE_BYTES or compiling fails.
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

protected:
    // Appends code (when not empty) and the text of each file to sources, in order, skipping empty
    // texts. False as soon as a file is missing or empty or the total would exceed MAX_SOURCE_BYTES; a
    // file larger than what is left is not read at all.
    bool readSources(const std::string& code, const std::vector<std::string>& files,
                     std::vector<std::string>& sources) const;

private:
    std::string m_loadDir;
    TypeMappings m_typeMappings;
};
} // namespace OGL
} // namespace MatSys
