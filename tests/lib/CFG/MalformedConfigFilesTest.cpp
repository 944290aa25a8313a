#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

#include "CFG/Info.h"
#include "CFG/InfoParser.h"
#include "support/LimitedChild.h"
#include "support/TempDir.h"

namespace
{
const char* const UNKNOWN_OPERATOR_REPORT =
    "ABORT: Func:float CFG::Calculator::doCalculation(float, const std::string&, float) "
    "File:lib/CFG/Calculator Line: 144\n"
    "ABORT: Unknown operator: (\n";

struct Malformed
{
    const char* what;
    std::string text;
    bool endsWithReport; // the calculator's fatal report is the answer to this file
};

std::string repeated(const std::string& line, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}

std::string numbered(const std::string& prefix, const std::string& suffix, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += prefix + std::to_string(i) + suffix;
    return text;
}

// Lines that each name the next key four times.
std::string fanOut(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
    {
        const std::string next = "::F" + std::to_string(i + 1) + "::";
        text += "F" + std::to_string(i) + " == " + next + next + next + next + "\n";
    }
    return text;
}

// Each file is loaded in a child process with a time and memory limit, and every key it has is read as
// text and as numbers: the load may fail and keys may read empty, but the reading must end by itself
// within the limits, or with the calculator's report where the file asks for it.
TEST(MalformedConfigFiles, ReadingEndsCleanly)
{
    const std::vector<Malformed> files = {
        {"empty", "", false},
        {"binary garbage", repeated(std::string("\0\xff=\x01:?\"\n", 8), 4000), false},
        {"truncated in a quoted value", "A == 1\nB == \"abc\ndef", false},
        {"truncated in a block", "A ?? S\nx == 1\n", false},
        {"huge numbers",
         "A == 99999999999999999999999999\nB == -1e99999\nC == 0xffffffffffffffffffff\n"
         "D == EVAL:(1e38*1e38)\nE == EVAL:(99999999999<<99999999999)\n",
         false},
        {"blocks never closed", numbered("K", " ?? S\n", 100000), false},
        {"blocks nested and closed", repeated("K ?? S\n* == ::K::\n", 300) + repeated("S\n", 300), false},
        {"parentheses nested deep", "A == EVAL:(" + std::string(100000, '(') + "1\n", false},
        {"a line of a megabyte", "A == " + std::string(1 << 20, 'x') + "\nB == ::A::::A::\n", false},
        {"CR LF line ends", "A == 1\r\nB == \"x\r\ny\"\r\nC ?? A\r\n1 == one\r\nA\r\n", false},
        {"no final line feed", "A == 1\nB == ::A::", false},
        {"references fanning out", fanOut(20), false},
        {"unknown operator", "A == 1\nB == EVAL:(2(3))\n", true},
    };
    for (const Malformed& f : files)
    {
        SCOPED_TRACE(f.what);
        Testing::TempDir dir{"orvik-cfg"};
        const std::string file = dir.write("bad.cfg", f.text);
        const long megabytes = 1024;
        const Testing::ChildEnd end = Testing::runLimited(
            [&]
            {
                CFG::Info info(file, nullptr);
                const CFG::InfoParser parser(&info);
                std::vector<std::string> keys;
                info.keys(keys);
                for (const std::string& key : keys)
                {
                    info.get(key);
                    parser.getNumber<int>(key);
                    parser.getNumber<unsigned long>(key);
                    std::vector<float> numbers;
                    parser.getNumbers(key, numbers, ",", true);
                }
            },
            60, megabytes);
        if (f.endsWithReport)
        {
            EXPECT_EQ(end.signal, SIGABRT);
            EXPECT_EQ(end.errorOutput, UNKNOWN_OPERATOR_REPORT);
        }
        else
        {
            EXPECT_TRUE(end.returned()) << "exit " << end.exitCode << ", signal " << end.signal << "\n"
                                        << end.errorOutput;
        }
        EXPECT_LT(end.peakMemoryKb, megabytes * 1024);
    }
}
} // namespace
