#pragma once

#include <memory>
#include <vector>

#include "util/NonCopyable.h"

namespace Util
{
// The pool of chain links shared by every hash table of one item type. Links are allocated in blocks
// and recycled most-recently-freed first; no block is given back while the process runs. The pool is
// never destroyed, so tables that are themselves destroyed at exit can still hand their links back.
template <class T> class BasicHashLink : private NonCopyable<BasicHashLink<T>>
{
public:
    struct Link
    {
        T* item;
        Link* next;
    };

    static BasicHashLink& instance()
    {
        static BasicHashLink* l_instance = new BasicHashLink;
        return *l_instance;
    }

    virtual ~BasicHashLink() = default;

    Link* getNewLink()
    {
        if (freeLinks == nullptr)
            initFreeLinksBlock();
        Link* link = freeLinks;
        freeLinks = link->next;
        link->item = nullptr;
        link->next = nullptr;
        return link;
    }

    // The link must no longer be in any chain.
    void deleteLink(Link* link)
    {
        link->item = nullptr;
        link->next = freeLinks;
        freeLinks = link;
    }

    // Grows the block size, or shrinks it only when forced; 0 is never taken. Answers the previous size.
    long setBlockSize(long n, bool force)
    {
        const long previous = blockSize;
        if (n > 0 && n != blockSize && (n > blockSize || force))
        {
            blockSize = n;
            if (freeLinks == nullptr)
                initFreeLinksBlock();
        }
        return previous;
    }

    // The link whose successor holds the first item equal to key, or the last link of the chain.
    Link* getLinkBefore(Link* start, const T* key) const
    {
        Link* current = start;
        while (current->next != nullptr)
        {
            if (key->isEqual(current->next->item))
                return current;
            current = current->next;
        }
        return current;
    }

private:
    BasicHashLink() = default;

    void initFreeLinksBlock()
    {
        std::unique_ptr<Link[]> block(new Link[blockSize]);
        for (long i = 0; i < blockSize; ++i)
        {
            block[i].item = nullptr;
            block[i].next = (i + 1 < blockSize) ? &block[i + 1] : nullptr;
        }
        freeLinks = &block[0];
        linkBlocks.push_back(std::move(block));
    }

    std::vector<std::unique_ptr<Link[]>> linkBlocks;
    Link* freeLinks = nullptr;
    long blockSize = 1;
};
} // namespace Util
