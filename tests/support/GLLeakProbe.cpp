// A window program for the leak check's test: opens a GL context, draws, and ends. Argument:
//   clean           nothing else
//   leak            also leaks an allocation of its own
//   driver          loads the stand-in driver (path as second argument), which keeps an allocation
//                   in its own data, unloads it again
//   driver-unmapped the same without keeping the libraries mapped: the hazard the check guards against
//   x-display       opens a connection to the X server and never closes it: what the X libraries hold
#include "Render/OpenGL.h"

#include "support/GLContext.h"
#include "support/GLLeakCheck.h"
#include <X11/Xlib.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstring>

namespace
{
int* planted = nullptr;

// Not inlined, so that the report names it.
__attribute__((noinline)) void plantLeak()
{
    planted = new int[16]();
    planted = nullptr;
}

bool runDriver(const char* path, bool keepMapped)
{
    void* driver = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!driver)
        return false;
    auto start = reinterpret_cast<void (*)()>(dlsym(driver, "probeDriverStart"));
    if (!start)
        return false;
    start();
    if (keepMapped)
        Testing::keepLoadedLibrariesMapped();
    dlclose(driver);
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "clean";
    {
        Testing::GLContext gl(32, 32);
        glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        if (gl.readPixel(16, 16) != Testing::Pixel{0, 255, 0, 255})
        {
            std::fprintf(stderr, "cleared to green, read %d %d %d\n", gl.readPixel(16, 16).r,
                         gl.readPixel(16, 16).g, gl.readPixel(16, 16).b);
            return 2;
        }
        if (std::strcmp(mode, "leak") == 0)
            plantLeak();
        if (std::strcmp(mode, "x-display") == 0 && XOpenDisplay(nullptr) == nullptr)
            return 4;
    }
    bool driverMode = std::strncmp(mode, "driver", 6) == 0;
    if (driverMode && (argc < 3 || !runDriver(argv[2], std::strcmp(mode, "driver") == 0)))
    {
        std::fprintf(stderr, "stand-in driver not loaded: %s\n", dlerror());
        return 3;
    }
    std::puts("END");
    return 0;
}
