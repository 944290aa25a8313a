#pragma once

#include <string>

#include "MatSys/I_TextureMaker.h"

namespace MatSys
{
namespace OGL
{
// Makes OpenGL textures whose options come from the tokens of their names; loads ".tga" files from its
// load directory.
class TextureMaker : public I_TextureMaker
{
public:
    explicit TextureMaker(const std::string& loadDir);
    ~TextureMaker() override = default;

    // Never null. A name with the token "3D" over an image of width × width·width pixels or more makes a
    // 3-D texture of width slices from its first width·width rows; any other image stays 2-D.
    I_Texture* create(const std::string& name, unsigned char* pixels, unsigned int bitsPerPixel,
                      unsigned int width, unsigned int height) override;
    // Null unless the name ends in ".tga" (exactly) and the file loads.
    I_Texture* create(const std::string& name) override;

    // Appends "/" unless dir is empty or already ends in it.
    virtual void setLoadDir(const std::string& dir);
    virtual I_Texture* createFromTGA(const std::string& name);

private:
    std::string m_loadDir;
};
} // namespace OGL
} // namespace MatSys
