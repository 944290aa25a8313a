#include <string>

#include <gtest/gtest.h>

#include "util/TwoWayMapping.h"

namespace
{
TEST(TwoWayMapping, missesAnswerTheDefaults)
{
    Util::TwoWayMapping<int> buttons(0xffff, "INVALID");
    EXPECT_EQ(0xffff, buttons.getKey("LEFT"));
    EXPECT_EQ("INVALID", buttons.getName(1));
    buttons.add(1, "LEFT");
    EXPECT_EQ(1, buttons.getKey("LEFT"));
    EXPECT_EQ("LEFT", buttons.getName(1));
    EXPECT_EQ(0xffff, buttons.getKey("left"));
}

TEST(TwoWayMapping, addingAgainKeepsTheOldEntryAsAnAlias)
{
    Util::TwoWayMapping<unsigned char> keys(0, "");
    keys.add(27, "1b");
    keys.add(27, "ESC");
    EXPECT_EQ("ESC", keys.getName(27));
    EXPECT_EQ(27, keys.getKey("ESC"));
    EXPECT_EQ(27, keys.getKey("1b"));

    keys.add(4, "ARROW");
    keys.add(5, "ARROW");
    EXPECT_EQ(5, keys.getKey("ARROW"));
    EXPECT_EQ("ARROW", keys.getName(4));
    EXPECT_EQ("ARROW", keys.getName(5));
}
} // namespace
