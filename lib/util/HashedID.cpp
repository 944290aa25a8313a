#include "util/HashedID.h"

namespace Util
{
template class HashedID<unsigned long>;
} // namespace Util
