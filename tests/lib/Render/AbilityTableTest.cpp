#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Render/AbilityTable.h"

TEST(AbilityTable, NamesEveryIdOnceWithBufferObjectsBeforeFramebufferObjects)
{
    std::set<int> ids;
    std::set<std::string> names;
    int vbos = -1;
    int fbos = -1;
    for (int row = 0; row < Render::I_RenderAbilities::ABILITY_COUNT; ++row)
    {
        const Render::AbilityName& entry = Render::ABILITY_TABLE[row];
        ids.insert(entry.id);
        names.insert(entry.name);
        if (entry.id == Render::I_RenderAbilities::HAVE_VBOS)
            vbos = row;
        if (entry.id == Render::I_RenderAbilities::HAVE_FBOS)
            fbos = row;
    }
    EXPECT_EQ(ids.size(), 12u);
    EXPECT_EQ(*ids.begin(), 0);
    EXPECT_EQ(*ids.rbegin(), 11);
    EXPECT_EQ(names.size(), 12u);
    EXPECT_EQ(vbos, 3);
    EXPECT_EQ(fbos, 4);
    EXPECT_STREQ(Render::ABILITY_TABLE[vbos].name, "HAVE_VBOS");
    EXPECT_STREQ(Render::ABILITY_TABLE[fbos].name, "HAVE_FBOS");
}
