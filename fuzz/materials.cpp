// The materials configuration, ".matdef" files and program and shader definition files, read through
// the four stores. The GLSL makers parse their definitions as they do in the game; only compiling and
// linking are left to recording stand-ins, so no graphics context is needed. Parts (cut at "\n~~~~\n"):
// the names to ask for (separated by blanks), the materials configuration, "a.matdef", "p.prg",
// "s.shader". Every object must belong to exactly one store and go with it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "MatSys/Material.h"
#include "MatSys/MaterialMaker.h"
#include "MatSys/MaterialStore.h"
#include "MatSys/MaterialStoreHelper.h"
#include "MatSys/ShaderMaker.h"
#include "MatSys/ShaderProgramMaker.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/ShaderStore.h"
#include "MatSys/TextureStore.h"
#include "support/MatSysRecorders.h"
#include "util/StringUtil.h"

namespace
{
void check(bool condition)
{
    if (!condition)
        std::abort();
}

// The GLSL shader maker with a recorded shader in place of a compiled one. The sources are read as for
// compiling, and what is read must stay within the bound.
class ParsingShaderMaker : public MatSys::OGL::ShaderMaker
{
public:
    ParsingShaderMaker(const std::string& dir, Testing::MatSysLog* log)
        : MatSys::OGL::ShaderMaker(dir), m_log(log)
    {
    }
    using MatSys::OGL::ShaderMaker::create;

    MatSys::I_Shader* create(const std::string& name, const std::string& code,
                             const std::vector<std::string>& files) override
    {
        if (nameToType(name) == 0 || (code.empty() && files.empty()))
            return nullptr;
        std::vector<std::string> sources;
        if (!readSources(code, files, sources))
            return nullptr;
        std::size_t total = 0;
        for (const std::string& source : sources)
            total += source.size();
        check(total <= MAX_SOURCE_BYTES);
        return new Testing::RecordingShader(m_log, name);
    }

private:
    Testing::MatSysLog* m_log;
};

// The GLSL program maker with a recorded program in place of a linked one.
class ParsingProgramMaker : public MatSys::OGL::ShaderProgramMaker
{
public:
    ParsingProgramMaker(MatSys::ShaderStore* shaders, const std::string& dir, Testing::MatSysLog* log)
        : MatSys::OGL::ShaderProgramMaker(shaders, dir), m_shaders(shaders), m_log(log)
    {
    }
    using MatSys::OGL::ShaderProgramMaker::create;

    MatSys::I_ShaderProgram* create(const std::string& name, const MatSys::ShaderParams& params,
                                    const std::vector<std::string>& shaderNames) override
    {
        bool any = false;
        for (const std::string& shaderName : shaderNames)
            any = m_shaders->get(shaderName, true) != nullptr || any;
        return any ? new Testing::RecordingProgram(m_log, name, params) : nullptr;
    }

private:
    MatSys::ShaderStore* m_shaders;
    Testing::MatSysLog* m_log;
};

class Dir
{
public:
    Dir()
        : m_path(std::filesystem::temp_directory_path() /
                 ("orvik-fuzz-materials-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(m_path);
    }
    ~Dir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string path() const { return m_path.string(); }
    std::string write(const std::string& name, const std::string& bytes) const
    {
        const std::string file = (m_path / name).string();
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        return file;
    }

private:
    std::filesystem::path m_path;
};

std::vector<std::string> parts(const std::string& input)
{
    std::vector<std::string> out;
    Util::splitString(input, "\n~~~~\n", out, true, false);
    out.resize(5);
    return out;
}

template <class Store> size_t countOf(const Store& store)
{
    size_t count = 0;
    for (typename Store::IteratorHandle it = store.getIterator(); !it->isDone(); it->next())
        ++count;
    return count;
}

void ask(const std::string& name, const std::string& cfg, MatSys::MaterialStore& materials,
         MatSys::ShaderProgramStore& programs, MatSys::ShaderStore& shaders)
{
    MatSys::Material* material = materials.get(name, true);
    MatSys::Material* added = materials.add(name, nullptr, cfg);
    check(material == nullptr || added == material);
    check(added == materials.get(name, false));
    if (material != nullptr)
    {
        material->beginUsing();
        material->endUsing();
    }
    programs.get(name, true);
    programs.add(name, MatSys::ShaderParams(), cfg);
    shaders.get(name, true);
    shaders.add(name, cfg);
    MatSys::MaterialStoreHelper(&materials).addCopy(name + ".copy", name);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Dir l_dir;
    const std::vector<std::string> input = parts(std::string(reinterpret_cast<const char*>(data), size));
    const std::string cfg = l_dir.write("materials.cfg", input[1]);
    l_dir.write("a.matdef", input[2]);
    l_dir.write("p.prg", input[3]);
    l_dir.write("s.shader", input[4]);
    std::vector<std::string> names;
    Util::splitString(input[0], " ", names, false, true);
    if (names.size() > 16)
        names.resize(16);

    Testing::MatSysLog log;
    {
        ParsingShaderMaker shaderMaker(l_dir.path(), &log);
        Testing::RecordingTextureMaker textureMaker(&log);
        MatSys::ShaderStore shaders(&shaderMaker);
        ParsingProgramMaker programMaker(&shaders, l_dir.path(), &log);
        MatSys::ShaderProgramStore programs(&programMaker);
        MatSys::TextureStore textures(&textureMaker);
        MatSys::MaterialMaker materialMaker(&programs, &textures, l_dir.path());
        MatSys::MaterialStore materials(&materialMaker);
        for (const std::string& name : names)
            ask(name, cfg, materials, programs, shaders);
        // Everything made is held by exactly one store; the texture maker is the one other object.
        check(log.alive() == int(countOf(shaders) + countOf(programs) + countOf(textures)) + 1);
    }
    check(log.alive() == 0);
    return 0;
}
