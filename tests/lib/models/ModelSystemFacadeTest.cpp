#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MatSys/I_Color.h"
#include "MatSys/MaterialSystemFacade.h"
#include "MatSys/SW/ShaderProgramMaker.h"
#include "models/CompositeModel.h"
#include "models/MeshStore.h"
#include "models/Model.h"
#include "models/ModelSystemFacade.h"
#include "support/MemoryVertexArray.h"
#include "support/TempDir.h"

namespace
{
using Names = std::vector<std::string>;

const char* const SHAPES_PMF = "MODEL_PART_LIST == sq\nsq_PART_PLANE == XY\nsq_PART_TYPE == LINE_LOOP\n"
                               "sq_PART_LINE_LOOP == 0,0 1,0 1,1 0,1\n";

class FacadeTest : public ::testing::Test
{
protected:
    FacadeTest()
    {
        dir.write("materials.cfg", "PLAIN_PROG == DEF_COLOR_MAT\n");
        dir.write("shapes.pmf", SHAPES_PMF);
        facade.reset(new ModelSys::ModelSystemFacade(dir.dir(), dir.path("materials.cfg"), &factory,
                                                     new MatSys::SW::ShaderProgramMaker()));
    }

    Testing::TempDir dir{"orvik-facade"};
    Testing::MemoryVertexArrayFactory factory;
    std::unique_ptr<ModelSys::ModelSystemFacade> facade;
};

TEST_F(FacadeTest, BuildsTheSystemWithTheDefaultMaterials)
{
    EXPECT_EQ(facade->getModelLoadDir(), dir.dir() + "/");
    EXPECT_NE(facade->getMaterialFacade(), nullptr);
    EXPECT_NE(facade->getMeshStore(), nullptr);
    EXPECT_NE(facade->getMaterial("DEF_COLOR_MAT"), nullptr);
    EXPECT_NE(facade->getMaterial("DEF_TEXTURE_MAT"), nullptr);
    EXPECT_EQ(facade->getMaterial("PLAIN"), nullptr);
    MatSys::Material* plain = facade->addMaterial("PLAIN");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(facade->addMaterial("PLAIN"), plain);
    EXPECT_EQ(facade->getMaterial("PLAIN"), plain);
    // The fixed-function maker never fails: an undefined name still makes a material.
    EXPECT_NE(facade->addMaterial("UNDEFINED"), nullptr);
    std::unique_ptr<MatSys::I_Color> colour(facade->getColor("FF0000FF"));
    EXPECT_NE(colour, nullptr);
    std::unique_ptr<MatSys::I_Color> other(facade->getColor(Util::RGBA{1, 2, 3, 4}));
    std::unique_ptr<MatSys::I_Color> plainColour(facade->getColor());
    EXPECT_NE(other, nullptr);
    EXPECT_NE(plainColour, nullptr);
}

TEST_F(FacadeTest, LoadsEachFileOnceAndKeepsItsFailure)
{
    std::string log = "old";
    EXPECT_TRUE(facade->loadModelFile("shapes.pmf", log));
    EXPECT_EQ(log, "");
    EXPECT_TRUE(facade->loadModelFile("shapes.pmf", log));
    EXPECT_EQ(log, "");
    EXPECT_EQ(factory.made.size(), 1u);

    EXPECT_FALSE(facade->loadModelFile("late.pmf", log));
    const std::string failure = "PMF: Failed to load: " + dir.path("late.pmf") + "\n";
    EXPECT_EQ(log, failure);
    // Not tried again, even once the file is there.
    dir.write("late.pmf", SHAPES_PMF);
    log.clear();
    EXPECT_FALSE(facade->loadModelFile("late.pmf", log));
    EXPECT_EQ(log, failure);
    EXPECT_FALSE(facade->getMeshStore()->exists("late.sq"));

    Names names = {"stale"};
    EXPECT_EQ(facade->getMeshNames("shapes.pmf", names), 1);
    EXPECT_EQ(names, (Names{"shapes.sq"}));
    EXPECT_EQ(facade->getMaterialNames("shapes.pmf", names), 0);
    EXPECT_EQ(facade->getTextureNames("shapes.pmf", names), 0);
    names = {"stale"};
    EXPECT_EQ(facade->getMeshNames("never.obj", names), 0);
    EXPECT_TRUE(names.empty());
}

TEST_F(FacadeTest, KeepsTheModelsItIsToldToOwn)
{
    // A holder outside the facade shows whether the facade deleted a model: a deleted model leaves it.
    ModelSys::CompositeModel kept("kept");
    {
        ModelSys::ModelSystemFacade local(dir.dir(), dir.path("materials.cfg"), &factory,
                                          new MatSys::SW::ShaderProgramMaker());
        std::string log;
        ASSERT_TRUE(local.loadModelFile("shapes.pmf", log));
        ModelSys::Model* mine = local.makeViaSingleMesh("shapes.sq");
        ASSERT_NE(mine, nullptr);
        local.setFacadeOwnsModels(true);
        ModelSys::Model* owned = local.makeViaModelFile("shapes", "shapes.pmf");
        ASSERT_NE(owned, nullptr);
        kept.addPart(owned);
        EXPECT_EQ(local.makeViaSingleMesh("none"), nullptr);
        EXPECT_EQ(local.makeViaBlueprint(ModelSys::Blueprint()), nullptr);
        EXPECT_EQ(local.makeViaSingleModelTDM("shapes.pmf"), nullptr);
        local.setFacadeOwnsModels(false);
        // The caller's model goes before the facade, as it draws with the facade's meshes; were the
        // facade to keep it too, the sanitizer build would catch the second deletion.
        delete mine;
    }
    EXPECT_EQ(kept.getNumParts(), 0u);
}

TEST_F(FacadeTest, AssemblyFilesThroughTheFacade)
{
    dir.write("house.tdm",
              "REQUIRES == shapes.pmf\nPARTS == wing:1,0 , shapes.sq\nwing_PARTS == shapes.sq\n");
    std::unique_ptr<ModelSys::Model> house(facade->makeViaSingleModelTDM("house.tdm"));
    ASSERT_NE(house, nullptr);
    EXPECT_EQ(house->name, "house");
    EXPECT_EQ(house->getNumParts(), 2u);
    Names names;
    EXPECT_EQ(facade->getMeshNames("shapes.pmf", names), 1);
}
} // namespace
