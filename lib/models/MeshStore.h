#pragma once

#include <memory>
#include <string>

#include "Render/I_CreateVertexArray.h"
#include "util/NonCopyable.h"

namespace ModelSys
{
class Mesh;
class MeshStoreIterator;

// Meshes by name, and every vertex array made for them. The store offers the vertex-array factory's
// operations so that everything the model system draws from is made, and deleted, here; it does not
// pass for a factory elsewhere.
class MeshStore : private Render::I_CreateVertexArray, private Util::NonCopyable<MeshStore>
{
public:
    using IteratorHandle = std::unique_ptr<MeshStoreIterator>;

    // The factory is the render controller's; it stays the caller's and may be null, in which case no
    // vertex array can be made.
    explicit MeshStore(Render::I_CreateVertexArray* factory);
    ~MeshStore() override;

    // Each array made is kept (a null answer too) until the store is cleared.
    Render::I_VertexArray* createVertexArray(int bytes, bool writeOnly) override;
    Render::I_VertexArray* createTexturedQuadVA(const Render::TexturedQuad& quad, bool writeOnly) override;
    Render::I_VertexArray* createTexturedQuadVA(const Render::TexturedQuadZTx& quad, bool writeOnly) override;

    virtual bool exists(const std::string& name) const;
    // Null when the name holds no mesh.
    virtual Mesh* get(const std::string& name);
    // The mesh actually stored under the name: the offered one when the name was free (the store now
    // owns it), else the one already there (the offered mesh stays the caller's); null for null.
    virtual Mesh* add(const std::string& name, Mesh* mesh);
    // Deletes the mesh under the name, not its vertex array; true when a mesh was deleted.
    virtual bool destory(const std::string& name);
    // Deletes every vertex array made, then every mesh.
    virtual void clear();
    // Names in ascending byte order.
    virtual IteratorHandle getIterator() const;

private:
    friend class MeshStoreIterator;
    struct Impl;
    Impl* impl;

    Render::I_VertexArray* keep(Render::I_VertexArray* made);
};
} // namespace ModelSys
