#pragma once

namespace OGL
{
// Reads OpenGL's error flags until none is left and drops them, so a fault met on the way (a refused
// query, a buffer that could not be mapped) does not surface later in unrelated code.
void drainErrors();
} // namespace OGL
