/* Preloaded into the game by tools/bench-game: notes the time of every buffer swap (one per frame shown)
 * and the resident memory, and writes them to the file named by ORVIK_PROBE_OUT when the program ends.
 * ORVIK_PROBE_T0 is the launch time (CLOCK_REALTIME nanoseconds) against which the first frame is timed. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#define MAX_SWAPS 200000

static double swaps[MAX_SWAPS];
static long swapCount;
static double firstFrameSinceLaunch = -1;
static long rssAtFirstFrameKb = -1;

static double now(clockid_t clock)
{
    struct timespec t;
    clock_gettime(clock, &t);
    return (double)t.tv_sec + (double)t.tv_nsec * 1e-9;
}

static long statusKb(const char* key)
{
    FILE* f = fopen("/proc/self/status", "r");
    char line[256];
    long value = -1;
    size_t n = strlen(key);
    if (!f)
        return -1;
    while (fgets(line, sizeof line, f))
        if (strncmp(line, key, n) == 0)
            value = atol(line + n);
    fclose(f);
    return value;
}

void glfwSwapBuffers(void* window)
{
    static void (*real)(void*);
    if (!real)
        real = (void (*)(void*))dlsym(RTLD_NEXT, "glfwSwapBuffers");
    real(window);
    if (swapCount == 0)
    {
        const char* t0 = getenv("ORVIK_PROBE_T0");
        if (t0)
            firstFrameSinceLaunch = now(CLOCK_REALTIME) - atof(t0) * 1e-9;
        rssAtFirstFrameKb = statusKb("VmRSS:");
    }
    if (swapCount < MAX_SWAPS)
        swaps[swapCount++] = now(CLOCK_MONOTONIC);
}

__attribute__((destructor)) static void report(void)
{
    const char* path = getenv("ORVIK_PROBE_OUT");
    FILE* f = path ? fopen(path, "w") : NULL;
    if (!f)
        return;
    fprintf(f, "first_frame %f\nrss_first_frame_kb %ld\npeak_rss_kb %ld\nswaps %ld\n", firstFrameSinceLaunch,
            rssAtFirstFrameKb, statusKb("VmHWM:"), swapCount);
    for (long i = 0; i < swapCount; ++i)
        fprintf(f, "%.6f\n", swaps[i]);
    fclose(f);
}
