#pragma once

#include <string>

#include "MatSys/MaterialMaker.h"
#include "MatSys/MaterialStore.h"
#include "MatSys/SW/ShaderProgramMaker.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/TextureStore.h"
#include "support/MatSysRecorders.h"

namespace Testing
{
// Material and texture stores over the fixed-function program maker and a recording texture maker, with
// material definition files looked up in dir. Nothing here draws, so no OpenGL context is needed.
struct MaterialWorld
{
    explicit MaterialWorld(const std::string& dir) : maker(&programs, &textures, dir) {}

    MatSysLog log;
    MatSys::SW::ShaderProgramMaker programMaker;
    MatSys::ShaderProgramStore programs{&programMaker};
    RecordingTextureMaker textureMaker{&log};
    MatSys::TextureStore textures{&textureMaker};
    MatSys::MaterialMaker maker;
    MatSys::MaterialStore materials{&maker};
};
} // namespace Testing
