#include "MatSys/ColorMaker.h"

#include "MatSys/Color.h"

namespace MatSys
{
namespace OGL
{
I_Color* ColorMaker::create()
{
    return new Color();
}

I_Color* ColorMaker::create(const Util::RGBA& rgba)
{
    return new Color(rgba);
}
} // namespace OGL
} // namespace MatSys
