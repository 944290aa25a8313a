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
    // The source is named by its path without the extension, as in "lib/CFG/Calculator".
    [[noreturn]] static void abortWith(const char* func, const char* file, int line,
                                       const std::string& message)
    {
        std::string source(file);
        std::string::size_type dot = source.find_last_of('.');
        if (dot != std::string::npos && source.find('/', dot) == std::string::npos)
            source.erase(dot);
        std::ostream& out = *Singleton<Debug>::instance().errStream;
        out << "ABORT: Func:" << func << " File:" << source << " Line: " << line << std::endl;
        out << "ABORT: " << message << std::endl;
        std::abort();
    }
};
} // namespace Util

// Reports a fatal fault where it is found: ABORT("Unknown operator: " << op);
#define ABORT(msg) ABORT_AT_LINE(__LINE__, msg)

// The same report naming a fixed line: the number that documented reports of this fault have always
// carried, kept so that reports stay comparable when the code around them moves.
#define ABORT_AT_LINE(line, msg)                                                                             \
    do                                                                                                       \
    {                                                                                                        \
        std::ostringstream l_abortMessage;                                                                   \
        l_abortMessage << msg;                                                                               \
        ::Util::Debug::abortWith(__PRETTY_FUNCTION__, __FILE__, (line), l_abortMessage.str());               \
    } while (0)
