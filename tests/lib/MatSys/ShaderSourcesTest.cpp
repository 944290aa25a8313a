#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "CFG/CFG.h"
#include "CFG/Info.h"
#include "MatSys/ShaderMaker.h"
#include "support/TempDir.h"

namespace
{
const std::size_t MAX = MatSys::OGL::ShaderMaker::MAX_SOURCE_BYTES;

// GLSL comment lines of exactly the given size, ending in a line end, as they read back from a file.
std::string commentText(std::size_t bytes)
{
    std::string text;
    text.reserve(bytes);
    while (text.size() + 64 <= bytes)
        text += "//" + std::string(61, 'x') + "\n";
    if (text.size() < bytes)
        text += std::string(bytes - text.size() - 1, '/') + "\n";
    return text;
}

// Reading only: every case fails or passes before anything would be compiled.
class ShaderMakerForReading : public MatSys::OGL::ShaderMaker
{
public:
    using MatSys::OGL::ShaderMaker::readSources;
    using MatSys::OGL::ShaderMaker::ShaderMaker;
};

class ShaderSourcesTest : public testing::Test
{
protected:
    ShaderSourcesTest() { CFG::global()->reset(); }
    ~ShaderSourcesTest() override { CFG::global()->reset(); }

    Testing::TempDir dir{"shader-sources"};
    ShaderMakerForReading maker{dir.dir()};
};

TEST_F(ShaderSourcesTest, SourcesUpToTheBoundAreReadAndOneByteMoreFailsLikeAMissingFile)
{
    const std::size_t code = 1000;
    dir.write("quarter.glsl", commentText(MAX / 4));
    dir.write("rest.glsl", commentText(MAX - code));
    dir.write("rest+1.glsl", commentText(MAX - code + 1));
    dir.write("all.glsl", commentText(MAX));
    dir.write("all+1.glsl", commentText(MAX + 1));
    struct Case
    {
        const char* name;
        std::size_t codeBytes;
        std::vector<std::string> files;
        bool expected;
    };
    const Case cases[] = {
        {"one file at the bound", 0, {"all.glsl"}, true},
        {"one file past it", 0, {"all+1.glsl"}, false},
        {"code and a file at the bound", code, {"rest.glsl"}, true},
        {"code and a file past it", code, {"rest+1.glsl"}, false},
        {"one file named four times",
         0,
         {"quarter.glsl", "quarter.glsl", "quarter.glsl", "quarter.glsl"},
         true},
        {"and once more",
         0,
         {"quarter.glsl", "quarter.glsl", "quarter.glsl", "quarter.glsl", "quarter.glsl"},
         false},
        {"code past the bound on its own", MAX + 1, {}, false},
        {"a missing file", 0, {"missing.glsl"}, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::vector<std::string> sources;
        const bool read = maker.readSources(std::string(c.codeBytes, ' '), c.files, sources);
        EXPECT_EQ(read, c.expected);
        if (read)
        {
            std::size_t total = 0;
            for (const std::string& source : sources)
                total += source.size();
            EXPECT_EQ(total, c.codeBytes + (c.files.empty() ? 0 : MAX - c.codeBytes));
            EXPECT_EQ(sources.size(), (c.codeBytes > 0 ? 1 : 0) + c.files.size());
        }
        else
        {
            // The shader is not made, exactly as with a missing file; nothing reaches OpenGL.
            EXPECT_EQ(maker.create("s.FS", std::string(c.codeBytes, ' '), c.files), nullptr);
        }
    }
}

TEST_F(ShaderSourcesTest, TextLengthenedByReferencesCountsAsRead)
{
    // The file is a few bytes; its text after the reference is replaced is what counts.
    const std::size_t padding = 1u << 20;
    CFG::global()->add("PADDING", std::string(padding, 'x'));
    dir.write("padded.glsl", "::PADDING::\n");
    const std::size_t text = padding + 1;
    for (std::size_t code : {MAX - text, MAX - text + 1})
    {
        SCOPED_TRACE(code);
        std::vector<std::string> sources;
        EXPECT_EQ(maker.readSources(std::string(code, ' '), {"padded.glsl"}, sources), code == MAX - text);
    }
}
} // namespace
