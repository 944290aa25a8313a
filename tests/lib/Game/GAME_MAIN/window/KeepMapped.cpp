// Preloaded into the game by the smoke test of the sanitizer build: libraries are never unloaded, so
// the GL driver is still mapped when the leak report is made at exit, its data is not taken for our
// leaks and its frames can be named by the suppressions.
#include <dlfcn.h>

extern "C" int dlclose(void*)
{
    return 0;
}
