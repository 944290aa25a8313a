#pragma once

#include <string>
#include <utility>

#include "util/I_Iterator.h"
#include "util/NamePtrStore.h"
#include "util/NonCopyable.h"

namespace ModelSys
{
class Mesh;
class MeshStore;

// Walks a mesh store in ascending byte order of the names, answering (name, mesh), and ("", null) once
// done. The store must outlive the iterator and not change while it is walked.
class MeshStoreIterator : public Util::I_Iterator<std::pair<std::string, Mesh*>>,
                          private Util::NonCopyable<MeshStoreIterator>
{
public:
    explicit MeshStoreIterator(const MeshStore* store);
    virtual ~MeshStoreIterator();

    void first() override;
    void next() override;
    bool isDone() const override;
    std::pair<std::string, Mesh*> currentItem() const override;

private:
    Util::NamePtrStore<Mesh>::PairIteratorHandle* inner;
};
} // namespace ModelSys
