#pragma once

// Leak checking for programs that open an OpenGL context.
//
// The GL driver and the libraries it pulls in are loaded at run time and unloaded when the window
// system connection closes, which is before LeakSanitizer's report at exit. Whatever the driver still
// held is then reported as leaked from frames that cannot be named, so no suppression by module name
// can match, and the program fails for a leak that is not ours. Keeping every loaded library mapped
// until the process ends lets the report see the driver's own data (it is no longer a leak) and name
// the driver's frames (tools/lsan.supp matches them), while a leak of our own code, made anywhere up
// to the end of the program, is still reported.
//
// GLContext calls this itself when it opens and before it closes. Another window program, or a test
// that opens a window without GLContext, calls it while its window and context are open (before it
// closes them, if it may have made the driver load more since).
namespace Testing
{
void keepLoadedLibrariesMapped();
}
