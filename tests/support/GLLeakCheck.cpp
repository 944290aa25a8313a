#include "support/GLLeakCheck.h"

#include "GLLeakSuppressions.h"
#include <dlfcn.h>
#include <link.h>

// LeakSanitizer asks for this by name: GL test programs then need no suppression file for a clean run.
// It lives here so that every program that keeps its libraries mapped also links it.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions()
{
    return Testing::LSAN_SUPPRESSIONS;
}

namespace
{
int keepMapped(dl_phdr_info* info, size_t, void*)
{
    // The program itself has no name, and the kernel's vDSO cannot be opened (the open fails).
    // Opening an already loaded library with RTLD_NOLOAD only adds RTLD_NODELETE to it.
    if (info->dlpi_name && *info->dlpi_name)
    {
        if (void* handle = dlopen(info->dlpi_name, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE))
            dlclose(handle);
    }
    return 0;
}
} // namespace

namespace Testing
{
void keepLoadedLibrariesMapped()
{
    dl_iterate_phdr(keepMapped, nullptr);
}
} // namespace Testing
