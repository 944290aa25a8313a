#pragma once

namespace Util
{
// Walks a collection: a new iterator stands on the first item; first() starts another pass.
template <class T> class I_Iterator
{
public:
    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool isDone() const = 0;
    virtual T currentItem() const = 0;

protected:
    // Iterators are owned and deleted through their own class, never through this interface.
    ~I_Iterator() = default;
};
} // namespace Util
