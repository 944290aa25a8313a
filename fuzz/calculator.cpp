// The expression calculator over the whole input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "CFG/Calculator.h"
#include "ExpectedFatalReport.h"
#include "FuzzFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string expression = FuzzFiles::text(data, size);
    FuzzReport::run(
        [&]
        {
            CFG::Calculator calculator(expression);
            calculator.parse();
        });
    return 0;
}
