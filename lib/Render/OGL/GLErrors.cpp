#include "Render/OGL/GLErrors.h"

#include "Render/OpenGL.h"

namespace OGL
{
void drainErrors()
{
    // Each call clears one flag; a lost context keeps answering the same error, so stop after a bound.
    for (int i = 0; i < 32 && glGetError() != GL_NO_ERROR; ++i)
    {
    }
}
} // namespace OGL
