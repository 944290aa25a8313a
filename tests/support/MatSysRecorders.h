#pragma once

#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "MatSys/I_Shader.h"
#include "MatSys/I_ShaderMaker.h"
#include "MatSys/I_ShaderProgram.h"
#include "MatSys/I_ShaderProgramMaker.h"
#include "MatSys/I_Texture.h"
#include "MatSys/I_TextureMaker.h"
#include "MatSys/ShaderParams.h"

namespace Testing
{
// What the recording objects of the material system did, in order, and how many of them live.
struct MatSysLog
{
    std::vector<std::string> calls;
    int made = 0;
    int deleted = 0;
    // Names that the makers refuse to make.
    std::set<std::string> refuse;

    void record(const std::string& call) { calls.push_back(call); }
    int alive() const { return made - deleted; }
};

// Counts itself into the log from birth to death.
class CountedObject
{
public:
    explicit CountedObject(MatSysLog* log) : m_countLog(log) { ++m_countLog->made; }
    CountedObject(const CountedObject&) = delete;
    CountedObject& operator=(const CountedObject&) = delete;
    virtual ~CountedObject() { ++m_countLog->deleted; }

private:
    MatSysLog* m_countLog;
};

class RecordingProgram : public MatSys::I_ShaderProgram, public CountedObject
{
public:
    RecordingProgram(MatSysLog* log, const std::string& name, const MatSys::ShaderParams& params)
        : CountedObject(log), log(log), name(name), params(new MatSys::ShaderParams(params))
    {
    }

    unsigned int getID() const override { return 7; }
    bool beginUsing(const MatSys::ShaderParams* given) override
    {
        log->record("begin " + name + (given != nullptr ? " given" : " own"));
        lastGiven = given;
        return answer;
    }
    void endUsing() override { log->record("end " + name); }
    const MatSys::ShaderParams& getParams() const override { return *params; }
    bool setParams(const MatSys::ShaderParams& replacement) override
    {
        log->record("setParams " + name);
        if (!acceptParams)
            return false;
        params.reset(new MatSys::ShaderParams(replacement));
        return true;
    }

    MatSysLog* log;
    std::string name;
    std::unique_ptr<MatSys::ShaderParams> params;
    const MatSys::ShaderParams* lastGiven = nullptr;
    bool answer = true;
    bool acceptParams = true;
};

// Records every create as "program <form> <name>"; the forms are "shaders", "params" and "file <file>".
class RecordingProgramMaker : public MatSys::I_ShaderProgramMaker, public CountedObject
{
public:
    explicit RecordingProgramMaker(MatSysLog* log) : CountedObject(log), log(log) {}

    MatSys::I_ShaderProgram* create(const std::string& name, const MatSys::ShaderParams& params,
                                    const std::vector<std::string>& shaderNames) override
    {
        std::string list;
        for (const std::string& shader : shaderNames)
            list += " " + shader;
        return make("program shaders " + name + list, name, params);
    }
    MatSys::I_ShaderProgram* create(const std::string& name, const MatSys::ShaderParams& params) override
    {
        return make("program params " + name, name, params);
    }
    MatSys::I_ShaderProgram* create(const std::string& name, const MatSys::ShaderParams& params,
                                    const std::string& file) override
    {
        return make("program file " + name + " " + file, name, params);
    }

    MatSysLog* log;

private:
    MatSys::I_ShaderProgram* make(const std::string& call, const std::string& name,
                                  const MatSys::ShaderParams& params)
    {
        log->record(call);
        if (log->refuse.count(name) != 0)
            return nullptr;
        return new RecordingProgram(log, name, params);
    }
};

class RecordingShader : public MatSys::I_Shader, public CountedObject
{
public:
    RecordingShader(MatSysLog* log, const std::string& name) : CountedObject(log), name(name) {}
    unsigned int getID() const override { return 3; }
    std::string name;
};

// Records "shader name <name>", "shader file <name> <file>" and "shader code <name>".
class RecordingShaderMaker : public MatSys::I_ShaderMaker, public CountedObject
{
public:
    explicit RecordingShaderMaker(MatSysLog* log) : CountedObject(log), log(log) {}

    void getTypeStrings(std::vector<std::string>& out) const override { out.push_back(".REC"); }
    MatSys::I_Shader* create(const std::string& name, const std::string& code,
                             const std::vector<std::string>& files) override
    {
        (void)code;
        (void)files;
        return make("shader code " + name, name);
    }
    MatSys::I_Shader* create(const std::string& name) override { return make("shader name " + name, name); }
    MatSys::I_Shader* create(const std::string& name, const std::string& file) override
    {
        return make("shader file " + name + " " + file, name);
    }

    MatSysLog* log;

private:
    MatSys::I_Shader* make(const std::string& call, const std::string& name)
    {
        log->record(call);
        if (log->refuse.count(name) != 0)
            return nullptr;
        return new RecordingShader(log, name);
    }
};

class RecordingTexture : public MatSys::I_Texture, public CountedObject
{
public:
    RecordingTexture(MatSysLog* log, const std::string& name) : CountedObject(log), log(log), name(name) {}

    MatSys::TextureID getID() const override { return 5; }
    void getSize(int& width, int& height, int& depth) const override
    {
        width = 1;
        height = 1;
        depth = 0;
    }
    void beginUsing(int unit) const override { log->record("bind " + name + " " + std::to_string(unit)); }
    void endUsing(int unit) const override { log->record("unbind " + name + " " + std::to_string(unit)); }
    void update(unsigned char*, int, int, int, int, bool) override {}
    // Nothing in the material system asks a texture for its options.
    const MatSys::TextureOptions& getOptions() const override { std::abort(); }
    void setOptions(const MatSys::TextureOptions&) override {}
    int getImageSize(bool) const override { return 0; }
    void getImage(unsigned char*, bool) const override {}

    MatSysLog* log;
    std::string name;
};

// Records "texture <name>" and "texture pixels <name>".
class RecordingTextureMaker : public MatSys::I_TextureMaker, public CountedObject
{
public:
    explicit RecordingTextureMaker(MatSysLog* log) : CountedObject(log), log(log) {}

    MatSys::I_Texture* create(const std::string& name, unsigned char*, unsigned int, unsigned int,
                              unsigned int) override
    {
        return make("texture pixels " + name, name);
    }
    MatSys::I_Texture* create(const std::string& name) override { return make("texture " + name, name); }

    MatSysLog* log;

private:
    MatSys::I_Texture* make(const std::string& call, const std::string& name)
    {
        log->record(call);
        if (log->refuse.count(name) != 0)
            return nullptr;
        return new RecordingTexture(log, name);
    }
};
} // namespace Testing
