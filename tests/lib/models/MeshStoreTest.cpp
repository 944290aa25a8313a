#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "models/Mesh.h"
#include "models/MeshStore.h"
#include "models/MeshStoreIterator.h"
#include "support/MemoryVertexArray.h"

namespace
{
// A mesh that counts its own deletions.
class CountingMesh : public ModelSys::Mesh
{
public:
    explicit CountingMesh(int* deletedIn) : Mesh(nullptr, 0, 3, nullptr), deleted(deletedIn) {}
    ~CountingMesh() override { ++*deleted; }

private:
    int* deleted;
};

TEST(MeshStore, TakenNameKeepsTheStoredMeshAndLeavesTheOfferedOneWithTheCaller)
{
    int deleted = 0;
    {
        ModelSys::MeshStore store(nullptr);
        CountingMesh* first = new CountingMesh(&deleted);
        CountingMesh second(&deleted);
        EXPECT_EQ(store.add("door", first), first);
        EXPECT_EQ(store.add("door", &second), first);
        EXPECT_TRUE(store.exists("door"));
        EXPECT_EQ(store.get("door"), first);
        EXPECT_EQ(store.add("null", nullptr), nullptr);
        EXPECT_FALSE(store.exists("null"));
        EXPECT_EQ(store.get("absent"), nullptr);
        EXPECT_EQ(deleted, 0);
    }
    // The stored mesh by the store, the offered one by its own scope.
    EXPECT_EQ(deleted, 2);
}

TEST(MeshStore, DestoryDeletesTheMeshButNotItsArray)
{
    Testing::MemoryVertexArrayFactory factory;
    int deleted = 0;
    ModelSys::MeshStore store(&factory);
    Render::I_VertexArray* array = store.createVertexArray(36, true);
    ASSERT_NE(array, nullptr);
    store.add("a", new CountingMesh(&deleted));
    EXPECT_FALSE(store.destory("absent"));
    EXPECT_EQ(deleted, 0);
    EXPECT_TRUE(store.destory("a"));
    EXPECT_EQ(deleted, 1);
    EXPECT_FALSE(store.exists("a"));
    EXPECT_EQ(factory.live, 1);
}

TEST(MeshStore, ClearAndTheEndDeleteEveryArrayHandedOutEvenUnused)
{
    Testing::MemoryVertexArrayFactory factory;
    int deleted = 0;
    {
        ModelSys::MeshStore store(&factory);
        Render::I_VertexArray* used = store.createVertexArray(36, true);
        store.createVertexArray(12, true);
        Render::TexturedQuad quad{};
        Render::TexturedQuadZTx quadZ{};
        store.createTexturedQuadVA(quad, true);
        store.createTexturedQuadVA(quadZ, false);
        store.add("used", new ModelSys::Mesh(used, 0, 3, nullptr));
        store.add("counted", new CountingMesh(&deleted));
        EXPECT_EQ(factory.live, 4);
        EXPECT_EQ(factory.made[3]->writeOnly, false);
        EXPECT_EQ(factory.made[2]->getBufferSize(), 80);
        store.clear();
        EXPECT_EQ(factory.live, 0);
        EXPECT_EQ(deleted, 1);
        EXPECT_FALSE(store.exists("used"));

        store.createVertexArray(12, true);
        store.add("again", new CountingMesh(&deleted));
        // A refused array is remembered too and deleting null is harmless.
        factory.refuseAll = true;
        EXPECT_EQ(store.createVertexArray(12, true), nullptr);
    }
    EXPECT_EQ(factory.live, 0);
    EXPECT_EQ(deleted, 2);
}

TEST(MeshStore, WithoutFactoryMakesNothing)
{
    ModelSys::MeshStore store(nullptr);
    Render::TexturedQuad quad{};
    Render::TexturedQuadZTx quadZ{};
    EXPECT_EQ(store.createVertexArray(36, true), nullptr);
    EXPECT_EQ(store.createTexturedQuadVA(quad, true), nullptr);
    EXPECT_EQ(store.createTexturedQuadVA(quadZ, true), nullptr);
}

TEST(MeshStore, IteratorWalksNamesInByteOrderThenAnswersNothing)
{
    ModelSys::MeshStore store(nullptr);
    ModelSys::Mesh* b = store.add("b", new ModelSys::Mesh(nullptr, 0, 3, nullptr));
    ModelSys::Mesh* upper = store.add("Z", new ModelSys::Mesh(nullptr, 0, 3, nullptr));
    ModelSys::Mesh* a = store.add("a", new ModelSys::Mesh(nullptr, 0, 3, nullptr));
    ModelSys::MeshStore::IteratorHandle it = store.getIterator();
    std::vector<std::pair<std::string, ModelSys::Mesh*>> seen;
    for (; !it->isDone(); it->next())
        seen.push_back(it->currentItem());
    const std::vector<std::pair<std::string, ModelSys::Mesh*>> expected = {{"Z", upper}, {"a", a}, {"b", b}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(it->currentItem(), std::make_pair(std::string(), static_cast<ModelSys::Mesh*>(nullptr)));
    it->next();
    EXPECT_TRUE(it->isDone());
    it->first();
    EXPECT_EQ(it->currentItem().first, "Z");
}
} // namespace
