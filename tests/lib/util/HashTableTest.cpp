#include <climits>
#include <cstdlib>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "util/BasicHashTable.h"
#include "util/HashedItem.h"

namespace
{
// An item with a chosen hash and key, counting how many of its kind are alive.
struct Cell : public Util::I_HashTableObject
{
    Cell(unsigned long h, int k) : h(h), key(k) { ++alive; }
    ~Cell() override { --alive; }

    unsigned long hash() const override { return h; }
    bool isEqual(const Util::I_HashTableObject* other) const override
    {
        return static_cast<const Cell*>(other)->key == key;
    }

    unsigned long h;
    int key;
    static int alive;
};
int Cell::alive = 0;

using CellTable = Util::BasicHashTable<Cell>;

TEST(BasicHashTable, equalItemsAreAllStoredAndTheNewestIsFoundAndRemovedFirst)
{
    CellTable table(7);
    Cell older(3, 1), newer(3, 1), other(10, 2); // 10 shares bucket 3 with the others
    table.insert(&older);
    table.insert(&other);
    table.insert(&newer);
    EXPECT_EQ(3, table.entries());

    Cell key(3, 1);
    EXPECT_EQ(&newer, table.find(&key));
    EXPECT_EQ(&newer, table.remove(&key));
    EXPECT_EQ(&older, table.find(&key));
    EXPECT_EQ(&older, table.remove(&key));
    EXPECT_EQ(nullptr, table.find(&key));
    EXPECT_EQ(nullptr, table.remove(&key));
    EXPECT_EQ(1, table.entries());

    Cell otherKey(10, 2);
    EXPECT_EQ(&other, table.find(&otherKey));
    table.clear();
}

TEST(BasicHashTable, missesChangeNothing)
{
    CellTable table(5);
    Cell stored(4, 1);
    table.insert(&stored);
    Cell sameBucket(9, 2), elsewhere(1, 1);
    EXPECT_EQ(nullptr, table.find(&sameBucket));
    EXPECT_EQ(nullptr, table.remove(&sameBucket));
    // Equality decides only within the item's own bucket.
    EXPECT_EQ(nullptr, table.find(&elsewhere));
    EXPECT_EQ(1, table.entries());
    table.clear();
}

TEST(BasicHashTable, ownershipOfItems)
{
    const int before = Cell::alive;
    {
        CellTable table(3);
        for (int i = 0; i < 6; ++i)
            table.insert(new Cell(i, i));
        Cell key(2, 2);
        Cell* taken = table.remove(&key);
        ASSERT_NE(nullptr, taken);
        EXPECT_NE(&key, taken);
        EXPECT_EQ(before + 7, Cell::alive) << "remove must not delete";
        delete taken;

        table.clearAndDestroy();
        EXPECT_EQ(0, table.entries());
        EXPECT_EQ(before + 1, Cell::alive) << "each stored item deleted exactly once";
    }

    std::vector<Cell> cells;
    cells.reserve(4);
    for (int i = 0; i < 4; ++i)
        cells.emplace_back(i, i);
    {
        CellTable table(2);
        for (Cell& c : cells)
            table.insert(&c);
        table.clear();
        EXPECT_EQ(0, table.entries());
        for (Cell& c : cells)
            table.insert(&c);
        // Destroying the table with items in it leaves them to their owner.
    }
    EXPECT_EQ(before + 4, Cell::alive);
}

TEST(BasicHashTable, bucketIndexIsUnsignedAndAtLeastOneBucketExists)
{
    struct Case
    {
        long buckets;
        unsigned long hash;
        long bucket;
    };
    const Case cases[] = {
        {7, 9, 2},
        {7, ULONG_MAX, static_cast<long>(ULONG_MAX % 7)},
        {1009, static_cast<unsigned long>(LONG_MAX) + 1,
         static_cast<long>((static_cast<unsigned long>(LONG_MAX) + 1) % 1009)},
        {0, 12345, 0},
        {-4, ULONG_MAX, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "buckets " << c.buckets << " hash " << c.hash);
        CellTable table(c.buckets);
        Cell item(c.hash, 1);
        EXPECT_EQ(c.bucket, table.itemBucket(&item));
        table.insert(&item);
        EXPECT_EQ(&item, table.find(&item));
        EXPECT_EQ(&item, table.remove(&item));
        EXPECT_EQ(0, table.entries());
    }
}

TEST(BasicHashTable, tablesCannotBeCopied)
{
    EXPECT_FALSE(std::is_copy_constructible<CellTable>::value);
    EXPECT_FALSE(std::is_copy_assignable<CellTable>::value);
    EXPECT_FALSE(std::is_copy_constructible<Util::BasicHashLink<Cell>>::value);
}

TEST(I_HashTableObject, itemsCannotBeDeletedThroughTheInterface)
{
    EXPECT_FALSE(std::is_destructible<Util::I_HashTableObject>::value);
    EXPECT_TRUE(std::is_destructible<Cell>::value);
}

TEST(HashedItem, equalOnlyToItemsOfTheSameKindAndValue)
{
    Util::HashedItem<unsigned long> a(5), b(5), c(6);
    Util::HashedItem<int> otherKind(5);
    EXPECT_EQ(5ul, a.hash());
    EXPECT_TRUE(a.isEqual(&b));
    EXPECT_FALSE(a.isEqual(&c));
    EXPECT_FALSE(a.isEqual(&otherKind));
    Cell cell(5, 5);
    EXPECT_FALSE(a.isEqual(&cell));
}

// Each pool test uses an item type of its own, so it starts from a fresh pool.
struct ReuseItem : Util::HashedItem<unsigned long>
{
    using HashedItem::HashedItem;
};

TEST(BasicHashLink, aLinkGivenBackIsTheNextHandedOut)
{
    Util::BasicHashTable<ReuseItem> table(11);
    ReuseItem a(1), b(12), c(23); // one chain
    table.insert(&a);
    table.insert(&b);
    table.insert(&c);
    Util::BasicHashLink<ReuseItem>::Link* linkOfB = table.chainHead(&b)->next->next;
    ASSERT_EQ(&b, linkOfB->item);

    EXPECT_EQ(&b, table.remove(&b));
    Util::BasicHashLink<ReuseItem>& pool = Util::BasicHashLink<ReuseItem>::instance();
    Util::BasicHashLink<ReuseItem>::Link* reused = pool.getNewLink();
    EXPECT_EQ(linkOfB, reused);
    EXPECT_EQ(nullptr, reused->item);
    pool.deleteLink(reused);

    // The chain is intact around the removed link.
    EXPECT_EQ(&c, table.find(&c));
    EXPECT_EQ(&a, table.find(&a));
    table.clear();
}

struct BlockItem : Util::HashedItem<unsigned long>
{
    using HashedItem::HashedItem;
};

TEST(BasicHashLink, blockSizeGrowsFreelyAndShrinksOnlyWhenForced)
{
    Util::BasicHashLink<BlockItem>& pool = Util::BasicHashLink<BlockItem>::instance();
    struct Step
    {
        long n;
        bool force;
        long previous;
    };
    const Step steps[] = {{1, false, 1}, {8, false, 1}, {4, false, 8}, {0, true, 8},
                          {-3, true, 8}, {4, true, 8},  {4, false, 4}};
    for (const Step& s : steps)
        EXPECT_EQ(s.previous, pool.setBlockSize(s.n, s.force))
            << "setBlockSize(" << s.n << ", " << s.force << ")";
    EXPECT_EQ(4, pool.setBlockSize(4, false));
}

struct FreshBlockItem : Util::HashedItem<unsigned long>
{
    using HashedItem::HashedItem;
};

TEST(BasicHashLink, aLargerBlockIsAllocatedAtOnceAndHandedOutInArrayOrder)
{
    using Pool = Util::BasicHashLink<FreshBlockItem>;
    Pool& pool = Pool::instance();
    EXPECT_EQ(1, pool.setBlockSize(3, false));
    Pool::Link* first = pool.getNewLink();
    Pool::Link* second = pool.getNewLink();
    Pool::Link* third = pool.getNewLink();
    EXPECT_EQ(first + 1, second);
    EXPECT_EQ(first + 2, third);
    for (Pool::Link* l : {first, second, third})
    {
        EXPECT_EQ(nullptr, l->item);
        pool.deleteLink(l);
    }
    // Most recently freed first.
    EXPECT_EQ(third, pool.getNewLink());
    EXPECT_EQ(second, pool.getNewLink());
}

struct ChainItem : Util::HashedItem<unsigned long>
{
    using HashedItem::HashedItem;
};

TEST(BasicHashLink, linkBeforeTheFirstMatchOrTheLastLink)
{
    Util::BasicHashTable<ChainItem> table(1);
    ChainItem a(1), b(2), c(3);
    table.insert(&a);
    table.insert(&b);
    table.insert(&c); // chain: c, b, a
    Util::BasicHashLink<ChainItem>& pool = Util::BasicHashLink<ChainItem>::instance();
    Util::BasicHashLink<ChainItem>::Link* head = table.chainHead(&a);

    EXPECT_EQ(head, pool.getLinkBefore(head, &c));
    EXPECT_EQ(&b, pool.getLinkBefore(head, &b)->next->item);
    ChainItem missing(4);
    Util::BasicHashLink<ChainItem>::Link* last = pool.getLinkBefore(head, &missing);
    EXPECT_EQ(&a, last->item);
    EXPECT_EQ(nullptr, last->next);
    table.clear();
}
struct ExitItem : Util::HashedItem<unsigned long>
{
    using HashedItem::HashedItem;
};

TEST(BasicHashTableDeathTest, tablesDestroyedAtExitStillGiveTheirLinksBack)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The table is built before its item type's pool (which comes with the first insert), so it is
    // destroyed after anything built later; its links must still have a pool to go back to.
    EXPECT_EXIT(
        {
            static Util::BasicHashTable<ExitItem> l_table(3);
            static ExitItem l_item(1);
            l_table.insert(&l_item);
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
}
} // namespace
