// Stands in for a GL driver in the leak check's test: loaded at run time, it keeps an allocation made
// once in a global of its own, and is unloaded before the program ends, as the real driver is when the
// window system connection closes.
#include <cstdlib>
#include <pthread.h>

namespace
{
void* kept = nullptr;
pthread_once_t once = PTHREAD_ONCE_INIT;

void setUp()
{
    // A size the test can tell from any other allocation in the report.
    kept = std::realloc(nullptr, 4321);
}
} // namespace

extern "C" void probeDriverStart()
{
    pthread_once(&once, setUp);
}
