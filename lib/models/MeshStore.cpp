#include "models/MeshStore.h"

#include <vector>

#include "models/Mesh.h"
#include "models/MeshStoreIterator.h"
#include "util/NamePtrStore.h"

namespace ModelSys
{
struct MeshStore::Impl
{
    explicit Impl(Render::I_CreateVertexArray* factoryIn) : meshes("MeshStore", nullptr), factory(factoryIn)
    {
    }

    Util::NamePtrStore<Mesh> meshes;
    Render::I_CreateVertexArray* factory;
    std::vector<Render::I_VertexArray*> arrays;
};

MeshStore::MeshStore(Render::I_CreateVertexArray* factory) : impl(new Impl(factory)) {}

MeshStore::~MeshStore()
{
    clear();
    delete impl;
}

Render::I_VertexArray* MeshStore::keep(Render::I_VertexArray* made)
{
    impl->arrays.push_back(made);
    return made;
}

Render::I_VertexArray* MeshStore::createVertexArray(int bytes, bool writeOnly)
{
    if (impl->factory == nullptr)
        return nullptr;
    return keep(impl->factory->createVertexArray(bytes, writeOnly));
}

Render::I_VertexArray* MeshStore::createTexturedQuadVA(const Render::TexturedQuad& quad, bool writeOnly)
{
    if (impl->factory == nullptr)
        return nullptr;
    return keep(impl->factory->createTexturedQuadVA(quad, writeOnly));
}

Render::I_VertexArray* MeshStore::createTexturedQuadVA(const Render::TexturedQuadZTx& quad, bool writeOnly)
{
    if (impl->factory == nullptr)
        return nullptr;
    return keep(impl->factory->createTexturedQuadVA(quad, writeOnly));
}

bool MeshStore::exists(const std::string& name) const
{
    return impl->meshes.exists(name);
}

Mesh* MeshStore::get(const std::string& name)
{
    return impl->meshes.get(name);
}

Mesh* MeshStore::add(const std::string& name, Mesh* mesh)
{
    return impl->meshes.add(name, mesh);
}

bool MeshStore::destory(const std::string& name)
{
    return impl->meshes.destroy(name);
}

void MeshStore::clear()
{
    for (Render::I_VertexArray* array : impl->arrays)
        delete array;
    impl->arrays.clear();
    impl->meshes.clear();
}

MeshStore::IteratorHandle MeshStore::getIterator() const
{
    return IteratorHandle(new MeshStoreIterator(this));
}

MeshStoreIterator::MeshStoreIterator(const MeshStore* store)
    : inner(new Util::NamePtrStore<Mesh>::PairIteratorHandle(store->impl->meshes.getPairIterator()))
{
}

MeshStoreIterator::~MeshStoreIterator()
{
    delete inner;
}

void MeshStoreIterator::first()
{
    (*inner)->first();
}

void MeshStoreIterator::next()
{
    (*inner)->next();
}

bool MeshStoreIterator::isDone() const
{
    return (*inner)->isDone();
}

std::pair<std::string, Mesh*> MeshStoreIterator::currentItem() const
{
    return (*inner)->currentItem();
}
} // namespace ModelSys
