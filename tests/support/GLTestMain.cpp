// The main of every test program that links orvik_test_gl.
#include <gtest/gtest.h>

#include "support/GLContext.h"
#include <exception>

namespace
{
// Opens one context before the tests so that the driver, loaded now, stays mapped to the end: tests
// that make their windows some other way than through GLContext are covered too.
class LoadTheDriverOnce : public testing::Environment
{
public:
    void SetUp() override
    {
        if (!Testing::GLContext::available())
            return;
        try
        {
            Testing::GLContext once(16, 16);
        }
        catch (const std::exception&)
        {
            // The tests that need a context report why there is none.
        }
    }
};
} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new LoadTheDriverOnce);
    return RUN_ALL_TESTS();
}
