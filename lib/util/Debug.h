#pragma once

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "util/Singleton.h"

namespace Util
{
// The diagnostics record behind every fatal report.
class Debug
{
public:
    Debug() : debugFlags(0x0E), errStream(&std::cerr) {}

    // One-bit switches; only bit 0 is consulted (by the maze generator) and it is off.
    std::uint32_t debugFlags;
    std::ostream* errStream;

    // Writes the two-line report and ends the process without running destructors or exit handlers.
    [[noreturn]] static void abortWith(const char* func, const char* file, int line,
                                       const std::string& message)
    {
        std::ostream& out = *Singleton<Debug>::instance().errStream;
        out << "ABORT: Func:" << func << " File:" << file << " Line: " << line << std::endl;
        out << "ABORT: " << message << std::endl;
        std::abort();
    }
};
} // namespace Util

// Reports a fatal fault where it is found: ABORT("Unknown operator: " << op);
#define ABORT(msg)                                                                                           \
    do                                                                                                       \
    {                                                                                                        \
        std::ostringstream l_abortMessage;                                                                   \
        l_abortMessage << msg;                                                                               \
        ::Util::Debug::abortWith(__PRETTY_FUNCTION__, __FILE__, __LINE__, l_abortMessage.str());             \
    } while (0)
