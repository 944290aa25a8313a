#include <cstdlib>
#include <memory>
#include <type_traits>

#include <gtest/gtest.h>

#include "util/HashedID.h"

namespace
{
using ID = Util::HashedID<unsigned long>;
using Registry = Util::IDHashTable<unsigned long>;

bool registered(unsigned long id)
{
    Util::HashedItem<unsigned long> key(id);
    return Registry::instance().find(&key) != nullptr;
}

TEST(HashedIDDeathTest, theFirstIdentityOfAProcessIsOne)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // A fresh process, so no identity has been issued before.
    EXPECT_EXIT(
        {
            ID first;
            ID second;
            std::exit(first.id == 1 && second.id == 2 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(HashedID, identitiesAreRegisteredWhileAliveAndNeverReused)
{
    const long before = Registry::instance().entries();
    unsigned long gone;
    {
        ID a;
        gone = a.id;
        EXPECT_TRUE(registered(a.id));
        EXPECT_EQ(before + 1, Registry::instance().entries());
    }
    EXPECT_FALSE(registered(gone));
    EXPECT_EQ(before, Registry::instance().entries());

    ID next;
    EXPECT_GT(next.id, gone);
    EXPECT_TRUE(registered(next.id));
}

TEST(HashedID, aCopyHasAnIdentityOfItsOwn)
{
    const long before = Registry::instance().entries();
    auto original = std::make_unique<ID>();
    ID copy(*original);
    EXPECT_NE(original->id, copy.id);
    EXPECT_EQ(before + 2, Registry::instance().entries());

    ID assigned;
    const unsigned long own = assigned.id;
    assigned = copy;
    EXPECT_EQ(own, assigned.id);

    // The original's identity leaves the registry with it, the copy's stays.
    const unsigned long originalId = original->id;
    original.reset();
    EXPECT_FALSE(registered(originalId));
    EXPECT_TRUE(registered(copy.id));
    EXPECT_TRUE(registered(assigned.id));
}

TEST(UniqueID, counterIssuesIncreasingIdentities)
{
    const unsigned long a = Util::UniqueID<unsigned long>::nextID();
    const unsigned long b = Util::UniqueID<unsigned long>::nextID();
    EXPECT_EQ(a + 1, b);
}

TEST(IDHashTable, registryCannotBeCopied)
{
    EXPECT_FALSE(std::is_copy_constructible<Registry>::value);
}
} // namespace
