#include <cstdio>
#include <cstdlib>
#include <string>

#include "models/ObjReaderInternal.h"
#include "models/ObjText.h"

namespace ModelSys
{
namespace
{
void setDefaults(_GLMmaterial& material)
{
    material.name = glmStrdup("");
    material.textureFile = nullptr;
    const float diffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    const float ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    const float specular[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    for (int i = 0; i < 4; ++i)
    {
        material.diffuse[i] = diffuse[i];
        material.ambient[i] = ambient[i];
        material.specular[i] = specular[i];
    }
    material.shininess = 65.0f;
}

void freeMaterials(_GLMscene* scene)
{
    for (std::uint32_t i = 0; i < scene->nummaterials; ++i)
    {
        std::free(scene->materials[i].name);
        std::free(scene->materials[i].textureFile);
    }
    std::free(scene->materials);
    scene->materials = nullptr;
    scene->nummaterials = 0;
}

std::uint32_t countMaterials(ObjText& text)
{
    std::uint32_t count = 0;
    std::string word;
    while (text.nextWord(word))
    {
        if (word[0] == 'n')
            ++count;
        text.skipLine();
    }
    return count;
}

// One statement of the reading pass. Statements before the first newmtl have no material to go to.
void readStatement(ObjText& text, const std::string& word, _GLMmaterial* current)
{
    const std::string line = text.restOfLine();
    if (current == nullptr)
        return;
    if (word[0] == 'K')
    {
        float* colour = word[1] == 'd'   ? current->diffuse
                        : word[1] == 'a' ? current->ambient
                        : word[1] == 's' ? current->specular
                                         : nullptr;
        if (colour != nullptr)
            scanFloats(line, colour, 3);
    }
    else if (word[0] == 'N')
    {
        scanFloats(line, &current->shininess, 1);
        current->shininess = current->shininess / 1000.0f * 128.0f;
    }
    else if (word == "map_Kd")
    {
        const std::string file = firstWord(line);
        if (!file.empty())
        {
            std::free(current->textureFile);
            current->textureFile = glmStrdup(file.c_str());
        }
    }
}

void readMaterials(_GLMscene* scene, ObjText& text)
{
    std::uint32_t next = 0;
    _GLMmaterial* current = nullptr;
    std::string word;
    while (text.nextWord(word))
    {
        if (word[0] == 'n')
        {
            const std::string name = firstWord(text.restOfLine());
            // Both passes count the same statements, so there is always a material left.
            if (next >= scene->nummaterials)
                return;
            current = &scene->materials[next++];
            std::free(current->name);
            current->name = glmStrdup(name.c_str());
        }
        else
            readStatement(text, word, current);
    }
}
} // namespace

std::string glmMtlPath(const _GLMscene* scene, const char* name)
{
    const std::string obj(scene->pathname);
    const std::string::size_type slash = obj.find_last_of('/');
    return (slash == std::string::npos ? std::string() : obj.substr(0, slash + 1)) + name;
}

bool glmReadMTL(_GLMscene* scene, const char* name)
{
    const std::string path = glmMtlPath(scene, name);
    ObjText text;
    if (!text.load(path.c_str()))
    {
        std::fprintf(stderr, "glmReadMTL() failed: can't open material file \"%s\".\n", path.c_str());
        return false;
    }
    const std::uint32_t count = countMaterials(text);
    if (count == 0)
    {
        std::fprintf(stderr, "glmReadMTL() failed: No newmtl statements in material file \"%s\".\n",
                     path.c_str());
        return false;
    }
    freeMaterials(scene);
    scene->materials = static_cast<_GLMmaterial*>(glmAlloc(count, sizeof(_GLMmaterial)));
    scene->nummaterials = count;
    for (std::uint32_t i = 0; i < count; ++i)
        setDefaults(scene->materials[i]);
    text.rewind();
    readMaterials(scene, text);
    return true;
}
} // namespace ModelSys
