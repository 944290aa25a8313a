#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "util/NamePtrStore.h"

namespace
{
// Counts its live instances and complains if deleted twice.
struct Counted
{
    explicit Counted(int v = 0) : value(v), magic(kAlive) { ++alive; }
    ~Counted()
    {
        EXPECT_EQ(kAlive, magic) << "deleted twice";
        magic = 0;
        --alive;
    }
    int value;
    int magic;
    static constexpr int kAlive = 0x5eed;
    static int alive;
};
int Counted::alive = 0;

using Store = Util::NamePtrStore<Counted>;

class NamePtrStoreTest : public testing::Test
{
protected:
    void SetUp() override { before = Counted::alive; }
    void TearDown() override { EXPECT_EQ(before, Counted::alive) << "every object deleted exactly once"; }
    int before = 0;
};

TEST_F(NamePtrStoreTest, addUnderAFreeNameStoresTheObject)
{
    Store store("TestStore", nullptr);
    Counted* c = new Counted(1);
    EXPECT_EQ(c, store.add("c", c));
    EXPECT_TRUE(store.exists("c"));
    EXPECT_EQ(c, store.get("c"));
    EXPECT_EQ(c, store.find("c"));
    EXPECT_FALSE(store.exists("C"));
    EXPECT_EQ(nullptr, store.get("C"));
}

TEST_F(NamePtrStoreTest, aTakenNameKeepsItsObjectAndTheOfferedOneStaysTheCallers)
{
    Store store("TestStore", nullptr);
    Counted* kept = new Counted(1);
    store.add("x", kept);
    Counted offered(2);
    EXPECT_EQ(kept, store.add("x", &offered));
    EXPECT_EQ(kept, store.get("x"));
    EXPECT_EQ(2, offered.value);
}

TEST_F(NamePtrStoreTest, nullIsNeverStoredByItsOwnAdd)
{
    Store store("TestStore", nullptr);
    EXPECT_EQ(nullptr, store.add("n", nullptr));
    EXPECT_FALSE(store.exists("n"));
    EXPECT_TRUE(store.getIterator()->isDone());

    // A name that holds the null value (through the plain add) is free for the store's own add.
    store.Store::Base::add("n", nullptr);
    EXPECT_FALSE(store.exists("n"));
    Counted* c = new Counted;
    EXPECT_EQ(c, store.add("n", c));
    EXPECT_TRUE(store.exists("n"));
}

TEST_F(NamePtrStoreTest, destroyDeletesOnce)
{
    Store store("TestStore", nullptr);
    store.add("a", new Counted);
    store.add("b", new Counted);
    EXPECT_TRUE(store.destroy("a"));
    EXPECT_EQ(before + 1, Counted::alive);
    EXPECT_FALSE(store.destroy("a"));
    EXPECT_FALSE(store.destroy("never"));
    EXPECT_FALSE(store.exists("a"));
    EXPECT_TRUE(store.exists("b"));

    store.Store::Base::add("null", nullptr);
    EXPECT_FALSE(store.destroy("null"));
    EXPECT_TRUE(store.getPairIterator()->currentItem().first == "b");
}

TEST_F(NamePtrStoreTest, clearAndTheEndOfTheStoreDeleteEveryObjectOnce)
{
    {
        Store store("TestStore", nullptr);
        for (const char* name : {"b", "a", "c"})
            store.add(name, new Counted);
        store.Store::Base::add("empty", nullptr);
        store.clear();
        EXPECT_EQ(before, Counted::alive);
        EXPECT_TRUE(store.getIterator()->isDone());

        store.add("again", new Counted);
        store.add("more", new Counted);
    }
    // TearDown checks that the store's end deleted the last two.
}

TEST_F(NamePtrStoreTest, replacingThroughThePlainAddHandsTheReplacedObjectBack)
{
    Counted* first = new Counted(1);
    Counted* second = new Counted(2);
    {
        Store store("TestStore", nullptr);
        Util::BasicStore<std::string, Counted*>& plain = store;
        store.add("x", first);

        plain.add("x", first); // the same object again changes nothing
        EXPECT_EQ(first, store.get("x"));

        plain.add("x", second);
        EXPECT_EQ(second, store.get("x"));
        EXPECT_EQ(before + 2, Counted::alive) << "the replaced object is not deleted";
        EXPECT_EQ(1, first->value);

        // The caller deletes or reuses the object it took back while the store still runs.
        delete first;
        first = new Counted(3);
        EXPECT_EQ(before + 2, Counted::alive);

        // Replacing with null leaves a name that reads as free; the old object is the caller's again.
        plain.add("x", nullptr);
        EXPECT_FALSE(store.exists("x"));
        EXPECT_EQ(2, second->value);
        EXPECT_EQ(first, store.add("x", first));
    }
    // The store's end deleted what it last held (first); second was handed back.
    EXPECT_EQ(before + 1, Counted::alive);
    EXPECT_EQ(2, second->value);
    delete second;
}

TEST_F(NamePtrStoreTest, removeHandsTheObjectBack)
{
    Counted* c = new Counted(5);
    {
        Store store("TestStore", nullptr);
        store.add("c", c);
        EXPECT_EQ(c, store.remove("c"));
        EXPECT_FALSE(store.exists("c"));
        EXPECT_EQ(nullptr, store.remove("c"));
    }
    EXPECT_EQ(5, c->value);
    delete c;
}

TEST_F(NamePtrStoreTest, aNonNullNullValueIsNeverDeleted)
{
    Counted sentinel;
    Store store("TestStore", &sentinel);
    EXPECT_EQ(&sentinel, store.get("missing"));
    EXPECT_FALSE(store.destroy("missing"));
    store.Store::Base::add("s", &sentinel);
    EXPECT_FALSE(store.exists("s"));
    EXPECT_FALSE(store.destroy("s"));
    store.Store::Base::add("s", &sentinel);
    store.clear();
    EXPECT_EQ(Counted::kAlive, sentinel.magic);
}

TEST_F(NamePtrStoreTest, pairIteratorWalksNamesWithTheirObjects)
{
    Store store("TestStore", nullptr);
    Counted* b = store.add("b", new Counted(2));
    Counted* a = store.add("a", new Counted(1));

    Store::PairIteratorHandle it = store.getPairIterator();
    std::vector<std::pair<std::string, Counted*>> seen;
    for (; !it->isDone(); it->next())
        seen.push_back(it->currentItem());
    const std::vector<std::pair<std::string, Counted*>> expected = {{"a", a}, {"b", b}};
    EXPECT_EQ(expected, seen);
    EXPECT_EQ((std::pair<std::string, Counted*>("", nullptr)), it->currentItem());

    std::vector<Counted*> values;
    for (Store::IteratorHandle v = store.getIterator(); !v->isDone(); v->next())
        values.push_back(v->currentItem());
    EXPECT_EQ((std::vector<Counted*>{a, b}), values);
}

TEST_F(NamePtrStoreTest, anEmptyStoresPairIteratorAnswersTheEmptyName)
{
    Store store("TestStore", nullptr);
    Store::PairIteratorHandle it = store.getPairIterator();
    EXPECT_TRUE(it->isDone());
    EXPECT_EQ((std::pair<std::string, Counted*>("", nullptr)), it->currentItem());
}

TEST_F(NamePtrStoreTest, storesCannotBeCopied)
{
    EXPECT_FALSE(std::is_copy_constructible<Store>::value);
    EXPECT_FALSE(std::is_copy_assignable<Store>::value);
}
} // namespace
