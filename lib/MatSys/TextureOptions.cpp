#include "MatSys/TextureOptions.h"

namespace MatSys
{
TextureOptions TextureOptions::s_defOpts(true, true, true, true);

TextureOptions::TextureOptions() : TextureOptions(s_defOpts) {}

void TextureOptions::setDefault(const TextureOptions& options)
{
    s_defOpts = options;
}
} // namespace MatSys
