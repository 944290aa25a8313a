#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeMaterials.h"
#include "models/CompositeModel.h"
#include "models/Mesh.h"
#include "models/ModelIterator.h"
#include "models/ModelPart.h"
#include "support/RecordingRenderQueue.h"

namespace
{
using MathStuff::Orientation;
using MathStuff::Vector3;
using ModelSys::CompositeModel;
using ModelSys::Model;
using ModelSys::ModelPart;
using Testing::fakeMaterial;

Orientation<float> placementAt(float x, float scale)
{
    return Orientation<float>(Vector3<float>(x, 0, 0), Vector3<float>(0, 0, 1), Vector3<float>(0, 1, 0),
                              Vector3<float>(scale, scale, scale));
}

std::vector<std::string> walk(Model& model)
{
    std::vector<std::string> names;
    Model::IteratorHandle it = model.getIterator();
    for (; !it->isDone(); it->next())
        names.push_back(it->currentItem()->name);
    return names;
}

std::vector<const ModelSys::Mesh*> drawnMeshes(const Testing::RecordingRenderQueue& queue)
{
    std::vector<const ModelSys::Mesh*> meshes;
    for (const Testing::RecordingRenderQueue::Entry& entry : queue.entries)
        meshes.push_back(entry.mesh);
    return meshes;
}

// R holds S (holding L1 and L2) and L3.
struct Tree
{
    Tree()
        : m1(nullptr, 0, 3, nullptr), m2(nullptr, 3, 3, nullptr), m3(nullptr, 6, 3, nullptr), root("R"),
          sub(new CompositeModel("S")), l1(new ModelPart("L1", &m1, Vector3<float>(), nullptr)),
          l2(new ModelPart("L2", &m2, Vector3<float>(), nullptr)),
          l3(new ModelPart("L3", &m3, Vector3<float>(), nullptr))
    {
        sub->addPart(l1);
        sub->addPart(l2);
        root.addPart(sub);
        root.addPart(l3);
    }

    ModelSys::Mesh m1, m2, m3;
    CompositeModel root;
    CompositeModel* sub;
    ModelPart* l1;
    ModelPart* l2;
    ModelPart* l3;
};

TEST(ModelPart, IsOnePartAndYieldsItselfOnce)
{
    ModelPart part("leaf", nullptr, Vector3<float>(), nullptr);
    EXPECT_EQ(part.getNumParts(), 1u);
    EXPECT_EQ(part.getComposite(), nullptr);
    Model::IteratorHandle it = part.getIterator();
    EXPECT_EQ(it->currentItem(), &part);
    it->next();
    EXPECT_TRUE(it->isDone());
    EXPECT_EQ(it->currentItem(), nullptr);
    it->first();
    EXPECT_EQ(it->currentItem(), &part);
}

TEST(ModelPart, OffsetReachesTheQueueUnscaled)
{
    ModelSys::Mesh mesh(nullptr, 0, 3, nullptr);
    ModelPart part("leaf", &mesh, Vector3<float>(1, 2, 3), nullptr);
    Testing::RecordingRenderQueue queue;
    part.display(&queue, placementAt(5, 2), nullptr);
    ASSERT_EQ(queue.entries.size(), 1u);
    const Testing::RecordingRenderQueue::Entry& entry = queue.entries[0];
    EXPECT_TRUE(entry.hasOffset);
    EXPECT_EQ(entry.offset.x, 1);
    EXPECT_EQ(entry.offset.y, 2);
    EXPECT_EQ(entry.offset.z, 3);
    EXPECT_EQ(entry.placement.scale.x, 2);
    EXPECT_EQ(entry.placement.position.x, 5);
    EXPECT_EQ(entry.mesh, &mesh);
}

TEST(ModelPart, MaterialPrecedence)
{
    struct Case
    {
        const char* what;
        MatSys::Material* given;
        MatSys::Material* own;
        MatSys::Material* mesh;
        MatSys::Material* expected;
    };
    MatSys::Material* given = fakeMaterial(0);
    MatSys::Material* own = fakeMaterial(1);
    MatSys::Material* mesh = fakeMaterial(2);
    const Case cases[] = {
        {"given wins", given, own, mesh, given},
        {"own without given", nullptr, own, mesh, own},
        {"mesh's last", nullptr, nullptr, mesh, mesh},
        {"none at all", nullptr, nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases)
    {
        ModelSys::Mesh meshObject(nullptr, 0, 3, c.mesh);
        ModelPart part("leaf", &meshObject, Vector3<float>(), c.own);
        Testing::RecordingRenderQueue queue;
        part.display(&queue, placementAt(0, 1), c.given);
        ASSERT_EQ(queue.entries.size(), 1u) << c.what;
        EXPECT_EQ(queue.entries[0].material, c.expected) << c.what;
    }
}

TEST(ModelPart, NothingDrawnWithoutPlacements)
{
    ModelSys::Mesh mesh(nullptr, 0, 3, nullptr);
    ModelPart part("leaf", &mesh, Vector3<float>(), nullptr);
    Testing::RecordingRenderQueue queue;
    part.display(&queue, Model::Placements(), Model::Materials());
    EXPECT_TRUE(queue.entries.empty());
}

TEST(CompositeModel, WalksEveryDescendantInPreOrder)
{
    Tree tree;
    EXPECT_EQ(walk(tree.root), (std::vector<std::string>{"S", "L1", "L2", "L3"}));
    EXPECT_EQ(walk(*tree.sub), (std::vector<std::string>{"L1", "L2"}));
    EXPECT_EQ(tree.root.getNumParts(), 2u);
    EXPECT_EQ(tree.root.getComposite(), &tree.root);
    CompositeModel empty("E");
    EXPECT_TRUE(walk(empty).empty());
    Model::IteratorHandle it = tree.root.getIterator();
    while (!it->isDone())
        it->next();
    EXPECT_EQ(it->currentItem(), nullptr);
    it->first();
    EXPECT_EQ(it->currentItem(), tree.sub);
}

TEST(CompositeModel, NestedCompositeDrawsEachLeafOnce)
{
    Tree tree;
    Testing::RecordingRenderQueue queue;
    tree.root.display(&queue, placementAt(1, 1), fakeMaterial(3));
    EXPECT_EQ(drawnMeshes(queue), (std::vector<const ModelSys::Mesh*>{&tree.m1, &tree.m2, &tree.m3}));
    for (const Testing::RecordingRenderQueue::Entry& entry : queue.entries)
    {
        EXPECT_EQ(entry.material, fakeMaterial(3));
        EXPECT_EQ(entry.placement.position.x, 1);
    }
    CompositeModel empty("E");
    empty.display(&queue, placementAt(1, 1), nullptr);
    EXPECT_EQ(queue.entries.size(), 3u);
}

TEST(CompositeModel, ChildIGetsEntryI)
{
    Tree tree;
    Testing::RecordingRenderQueue queue;
    tree.root.display(&queue, {placementAt(10, 1), placementAt(20, 1)}, {fakeMaterial(4), nullptr});
    ASSERT_EQ(queue.entries.size(), 3u);
    // The sub-assembly's leaves share entry 0; the leaf L3 is entry 1 and, given no material, uses none.
    EXPECT_EQ(queue.entries[0].placement.position.x, 10);
    EXPECT_EQ(queue.entries[1].placement.position.x, 10);
    EXPECT_EQ(queue.entries[1].material, fakeMaterial(4));
    EXPECT_EQ(queue.entries[2].placement.position.x, 20);
    EXPECT_EQ(queue.entries[2].material, nullptr);
    // Too few placements: only the children that have one are drawn.
    queue.entries.clear();
    tree.root.display(&queue, Model::Placements{placementAt(10, 1)}, Model::Materials());
    EXPECT_EQ(drawnMeshes(queue), (std::vector<const ModelSys::Mesh*>{&tree.m1, &tree.m2}));
}

TEST(CompositeModel, ParentLinksFollowMovesAndDeletions)
{
    Tree tree;
    EXPECT_EQ(tree.l1->getParent(), tree.sub);
    EXPECT_EQ(tree.sub->getParent(), &tree.root);
    // Moving L1 to the root takes it out of S.
    tree.root.addPart(tree.l1);
    EXPECT_EQ(tree.l1->getParent(), &tree.root);
    EXPECT_EQ(walk(*tree.sub), (std::vector<std::string>{"L2"}));
    EXPECT_EQ(walk(tree.root), (std::vector<std::string>{"S", "L2", "L3", "L1"}));
    // Deleting a leaf unhooks it; deleting S afterwards does not delete it again.
    delete tree.l2;
    EXPECT_TRUE(walk(*tree.sub).empty());
    tree.root.removePart(tree.l3);
    EXPECT_EQ(tree.l3->getParent(), nullptr);
    EXPECT_EQ(walk(tree.root), (std::vector<std::string>{"S", "L1"}));
    delete tree.l3;
    delete tree.sub;
    EXPECT_EQ(walk(tree.root), (std::vector<std::string>{"L1"}));
    Model::changeParentOfChild(nullptr, nullptr);
}

TEST(CompositeModel, DeletingDeletesEveryChildOnce)
{
    struct CountedLeaf : ModelPart
    {
        explicit CountedLeaf(int& deleted) : ModelPart("L", nullptr, Vector3<float>(), nullptr), deleted(deleted)
        {
        }
        ~CountedLeaf() override { ++deleted; }
        int& deleted;
    };
    int deleted = 0;
    CompositeModel* root = new CompositeModel("R");
    CompositeModel* inner = new CompositeModel("S");
    for (int i = 0; i < 1000; ++i)
    {
        root->addPart(new CountedLeaf(deleted));
        inner->addPart(new CountedLeaf(deleted));
    }
    root->addPart(inner);
    delete root;
    EXPECT_EQ(deleted, 2000);
}

TEST(CompositeModel, RefusesNullAndCycles)
{
    Tree tree;
    tree.root.addPart(nullptr);
    tree.root.addPart(&tree.root);
    tree.sub->addPart(&tree.root);
    CompositeModel* deeper = new CompositeModel("D");
    tree.sub->addPart(deeper);
    deeper->addPart(tree.sub);
    deeper->addPart(&tree.root);
    EXPECT_EQ(walk(tree.root), (std::vector<std::string>{"S", "L1", "L2", "D", "L3"}));
    EXPECT_EQ(tree.root.getParent(), nullptr);
    EXPECT_EQ(tree.sub->getParent(), &tree.root);
    // A leaf's addPart does nothing either.
    ModelPart other("O", nullptr, Vector3<float>(), nullptr);
    tree.l1->addPart(&other);
    EXPECT_EQ(other.getParent(), nullptr);
}
} // namespace
