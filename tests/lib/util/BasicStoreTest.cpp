#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "util/BasicStore.h"

namespace
{
struct Effect
{
    int source;
    int volume;
    bool operator==(const Effect& o) const { return source == o.source && volume == o.volume; }
};

TEST(BasicStore, lookupsAnswerTheNullValueOnAMiss)
{
    Util::BasicStore<std::string, int> ids(0), locations(-1);
    Util::BasicStore<std::string, Effect> effects(Effect{0, 0});
    Util::BasicStore<std::string, const char*> pointers(nullptr);
    EXPECT_EQ(0, ids.find("missing"));
    EXPECT_EQ(-1, locations.find("missing"));
    EXPECT_EQ((Effect{0, 0}), effects.find("missing"));
    EXPECT_EQ(nullptr, pointers.find("missing"));

    effects.add("boom", Effect{2, 80});
    EXPECT_EQ((Effect{2, 80}), effects.find("boom"));
    EXPECT_EQ((Effect{0, 0}), effects.find("Boom"));
}

TEST(BasicStore, addReplacesAndRemoveTakesOut)
{
    int first = 1, second = 2;
    Util::BasicStore<std::string, int*> store(nullptr);
    store.add("k", &first);
    store.add("k", &second);
    EXPECT_EQ(&second, store.find("k"));
    EXPECT_EQ(1, first) << "a replaced value is left alone";

    EXPECT_EQ(&second, store.remove("k"));
    EXPECT_EQ(nullptr, store.find("k"));
    EXPECT_EQ(nullptr, store.remove("k"));

    store.add("a", &first);
    store.add("b", &second);
    store.clear();
    EXPECT_TRUE(store.getIterator()->isDone());
}

TEST(BasicStoreIterator, walksInByteOrderOfTheKeys)
{
    Util::BasicStore<std::string, int> store(0);
    store.add("B", 1);
    store.add("a", 2);
    store.add("A", 3);
    store.add("AB", 4);

    Util::BasicStore<std::string, int>::IteratorHandle it = store.getIterator();
    std::vector<std::pair<std::string, int>> seen;
    for (; !it->isDone(); it->next())
    {
        EXPECT_EQ(it->currentItem(), it->curItemNoCheck());
        seen.emplace_back(it->currentKey(), it->currentItem());
    }
    const std::vector<std::pair<std::string, int>> expected = {{"A", 3}, {"AB", 4}, {"B", 1}, {"a", 2}};
    EXPECT_EQ(expected, seen);

    // A finished walk stays finished and answers the null value; first() walks again.
    it->next();
    EXPECT_TRUE(it->isDone());
    EXPECT_EQ(0, it->currentItem());
    it->first();
    ASSERT_FALSE(it->isDone());
    EXPECT_EQ("A", it->currentKey());
}

TEST(BasicStoreIterator, emptyStoreIsDoneAtOnce)
{
    Util::BasicStore<std::string, int> store(-1);
    Util::BasicStore<std::string, int>::IteratorHandle it = store.getIterator();
    EXPECT_TRUE(it->isDone());
    EXPECT_EQ(-1, it->currentItem());
    it->next();
    it->first();
    EXPECT_TRUE(it->isDone());
}

TEST(BasicStoreIterator, survivesChangesToOtherEntries)
{
    Util::BasicStore<std::string, int> store(0);
    store.add("b", 2);
    store.add("d", 4);
    Util::BasicStore<std::string, int>::IteratorHandle it = store.getIterator();
    ASSERT_EQ("b", it->currentKey());
    store.add("c", 3);
    store.add("a", 1);
    store.remove("d");
    std::vector<int> rest;
    for (; !it->isDone(); it->next())
        rest.push_back(it->currentItem());
    EXPECT_EQ((std::vector<int>{2, 3}), rest);
}

TEST(BasicStoreIterator, iteratorsCannotBeDeletedThroughTheInterface)
{
    EXPECT_FALSE(std::is_destructible<Util::I_Iterator<int>>::value);
    EXPECT_TRUE((std::is_destructible<Util::BasicStoreIterator<std::string, int>>::value));
}

TEST(BasicStoreIterator, handleHasOneOwner)
{
    using Handle = Util::BasicStore<std::string, int>::IteratorHandle;
    EXPECT_FALSE(std::is_copy_constructible<Handle>::value);
    Util::BasicStore<std::string, int> store(0);
    store.add("x", 7);
    Handle a = store.getIterator();
    Handle b = std::move(a);
    EXPECT_EQ(nullptr, a.get());
    EXPECT_EQ(7, b->currentItem());
}
} // namespace
