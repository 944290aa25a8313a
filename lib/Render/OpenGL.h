#pragma once

// The one way into OpenGL: GLEW's header has to come before any other GL header, and GLU comes with it.
#include <GL/glew.h>
#include <GL/glu.h>
