#include "MatSys/Color.h"

#include "Render/OpenGL.h"

namespace MatSys
{
namespace OGL
{
void Color::use() const
{
    const Util::RGBA& colour = RGBA();
    glColor4ub(colour.r, colour.g, colour.b, colour.a);
}
} // namespace OGL
} // namespace MatSys
