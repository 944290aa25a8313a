#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "models/PolyModel.h"
#include "models/PolyModelFile.h"
#include "support/TempDir.h"

namespace
{
using MathStuff::Vector3;
using ModelSys::PolyModel;
using Points = std::vector<Vector3<float>>;

struct Models
{
    ~Models()
    {
        for (PolyModel* model : list)
            delete model;
    }
    std::vector<PolyModel*> list;
};

std::string describe(const Points& points)
{
    std::string text;
    for (const Vector3<float>& p : points)
    {
        char buffer[96];
        std::snprintf(buffer, sizeof buffer, "(%g,%g,%g)", p.x, p.y, p.z);
        text += buffer;
    }
    return text;
}

// What a file's models and parts come to: "model[part:type:plane ...]" per model, in order.
std::string outline(const std::vector<PolyModel*>& models)
{
    std::string text;
    for (const PolyModel* model : models)
    {
        text += model->name + "[";
        for (const PolyModel::Part* part : model->getParts())
            text += part->name + ":" + std::to_string(part->type) + ":" + std::to_string(part->plane) + " ";
        text += "]";
    }
    return text;
}

class PolyModelFileTest : public ::testing::Test
{
protected:
    std::vector<PolyModel*>& read(const std::string& name, const std::string& text)
    {
        models = std::make_unique<Models>();
        ModelSys::PolyModelFile file(dir.write(name, text));
        const int made = file.makeModels(models->list);
        EXPECT_EQ(made, static_cast<int>(models->list.size()));
        return models->list;
    }

    // The vertices of the one part of the one model of a file.
    Points vertices(const std::string& text)
    {
        std::vector<PolyModel*>& list = read("p.pmf", text);
        Points out;
        if (list.size() == 1 && list[0]->getParts().size() == 1)
            list[0]->getParts()[0]->getPoints(out);
        else
            ADD_FAILURE() << "not one part: " << outline(list);
        return out;
    }

    Testing::TempDir dir{"orvik-pmf"};
    std::unique_ptr<Models> models;
};

TEST_F(PolyModelFileTest, ModelsAndPartLists)
{
    struct Case
    {
        const char* what;
        const char* file;
        std::string text;
        std::string expected;
    };
    const std::string pLoop = "P_PART_PLANE == XY\nP_PART_TYPE == LINE_LOOP\n";
    const std::vector<Case> cases = {
        {"no list: one model after the stem", "arrow.big.pmf", "", "arrow.big[]"},
        {"stem of an unreadable file", "missing.pmf", "", "missing[]"},
        {"fallback part list", "f.pmf",
         "MODELS_LIST == a b\nMODEL_PART_LIST == P\nb_MODEL_PART_LIST == Q R\n" + pLoop +
             "Q_PART_PLANE == XY\nQ_PART_TYPE == LINE_LOOP\n" +
             "R_PART_PLANE == ZY\nR_PART_TYPE == LINE_LIST\n",
         "a[P:0:0 ]b[Q:0:0 R:2:1 ]"},
        {"a model listed twice", "t.pmf", "MODELS_LIST == \"a\n  a\"\n", "a[]a[]"},
        {"lower case plane and type leave parts out", "c.pmf",
         "MODEL_PART_LIST == A B C D\nA_PART_PLANE == xy\nA_PART_TYPE == LINE_LOOP\nB_PART_PLANE == XY\n"
         "B_PART_TYPE == line_loop\nC_PART_PLANE == XZ\nC_PART_TYPE == LINE_LOOP\n"
         "D_PART_PLANE == ZY\nD_PART_TYPE == LINE_CIRCLE\n",
         "c[D:1:1 ]"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        if (std::string(c.file) == "missing.pmf")
        {
            Models missing;
            ModelSys::PolyModelFile file(dir.path("missing.pmf"));
            EXPECT_EQ(file.makeModels(missing.list), 1);
            EXPECT_EQ(outline(missing.list), c.expected);
            continue;
        }
        EXPECT_EQ(outline(read(c.file, c.text)), c.expected);
    }
    // The stem drops directories too.
    Models flat;
    std::filesystem::create_directories(dir.path("flat"));
    ModelSys::PolyModelFile file(dir.write("flat/arrow.pmf", ""));
    file.makeModels(flat.list);
    EXPECT_EQ(outline(flat.list), "arrow[]");
}

TEST_F(PolyModelFileTest, PartFieldsAndPoints)
{
    std::vector<PolyModel*>& list =
        read("f.pmf",
             "MODEL_PART_LIST == Z E\nZ_PART_PLANE == ZY\nZ_PART_TYPE == LINE_LOOP\nZ_PART_DEFCOORD == 5\n"
             "Z_PART_OFFSET == 1,2\nZ_PART_MATERIAL == wood.matdef\nZ_PART_LINE_LOOP == 1,2 1,2,3 1, 2\n"
             "Z_PART_TEXCOORDS == 0,1 2,3,4\n"
             "E_PART_PLANE == XY\nE_PART_TYPE == LINE_LIST\n");
    ASSERT_EQ(list.size(), 1u);
    ASSERT_EQ(list[0]->getParts().size(), 2u);
    const PolyModel::PolygonPart* z = dynamic_cast<const PolyModel::PolygonPart*>(list[0]->getParts()[0]);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(describe({z->offset}), "(5,2,1)");
    EXPECT_EQ(z->material, "wood.matdef");
    // A blank inside a point makes two malformed points.
    EXPECT_EQ(describe(z->points), "(5,2,1)(1,2,3)(0,0,0)(0,0,0)");
    EXPECT_EQ(describe(z->texCoords), "(5,1,0)(2,3,4)");
    const PolyModel::PolylinePart* e = dynamic_cast<const PolyModel::PolylinePart*>(list[0]->getParts()[1]);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(describe({e->offset}), "(0,0,0)");
    EXPECT_TRUE(e->material.empty());
    EXPECT_TRUE(e->points.empty());
    EXPECT_TRUE(e->texCoords.empty());
}

TEST_F(PolyModelFileTest, ShapesToTriangles)
{
    struct Case
    {
        const char* what;
        std::string keys;
        std::string expected;
    };
    const std::string xy = "MODEL_PART_LIST == P\nP_PART_PLANE == XY\n";
    const std::string zy = "MODEL_PART_LIST == P\nP_PART_PLANE == ZY\n";
    const std::string loop = "P_PART_TYPE == LINE_LOOP\n";
    const std::string list = "P_PART_TYPE == LINE_LIST\n";
    const std::string circle = "P_PART_TYPE == LINE_CIRCLE\nP_PART_RADIUS == 1\n";
    const std::vector<Case> cases = {
        {"counter-clockwise loop", xy + loop + "P_PART_DEFCOORD == 2\nP_PART_LINE_LOOP == 0,0 1,0 0,1\n",
         "(0,1,2)(0,0,2)(1,0,2)"},
        {"clockwise loop yields nothing", xy + loop + "P_PART_LINE_LOOP == 0,0 0,1 1,0\n", ""},
        {"ZY loop runs counter-clockwise in (z, y)", zy + loop + "P_PART_LINE_LOOP == 0,0 1,0 0,1\n",
         "(0,1,0)(0,0,0)(0,0,1)"},
        {"two points: no triangle", xy + loop + "P_PART_LINE_LOOP == 0,0 1,0\n", ""},
        {"relative polyline",
         xy + list +
             "P_PART_DEFCOORD == 1\nP_PART_RELATIVE_POINTS == YES\n"
             "P_PART_LINE_LIST == 0,0 1,0 0,1\n",
         "(1,1,3)(0,0,1)(1,0,2)"},
        {"relative only for YES",
         xy + list + "P_PART_RELATIVE_POINTS == yes\nP_PART_LINE_LIST == 0,0 1,0 0,1\n",
         "(0,1,0)(0,0,0)(1,0,0)"},
        {"circle of four segments", xy + circle + "P_PART_NUM_SEGS == 4\nP_PART_SEG_RATIO == 1\n",
         "(0,-1,0)(1,0,0)(0,1,0)(0,1,0)(-1,0,0)(0,-1,0)"},
        {"ratio empty acts as 1", xy + circle + "P_PART_NUM_SEGS == 4\n",
         "(0,-1,0)(1,0,0)(0,1,0)(0,1,0)(-1,0,0)(0,-1,0)"},
        {"ratio -2 acts as 1", xy + circle + "P_PART_NUM_SEGS == 3.7\nP_PART_SEG_RATIO == -2\n",
         "(-0.5,-0.86603,0)(1,0,0)(-0.5,0.86603,0)"},
        {"ZY circle", zy + circle + "P_PART_NUM_SEGS == 3\n", "(0,-0.86603,-0.5)(0,0,1)(0,0.86603,-0.5)"},
        {"two segments", xy + circle + "P_PART_NUM_SEGS == 2\n", ""},
        {"negative segments", xy + circle + "P_PART_NUM_SEGS == -3\n", ""},
        {"segments past the limit", xy + circle + "P_PART_NUM_SEGS == 2147483647\n", ""},
        {"segments just past the limit", xy + circle + "P_PART_NUM_SEGS == 4097\n", ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Points out = vertices(c.keys);
        for (Vector3<float>& p : out)
        {
            // Round away float noise (cos of pi/2 is not 0 in floats).
            p.x = std::round(p.x * 1e5f) / 1e5f + 0.0f;
            p.y = std::round(p.y * 1e5f) / 1e5f + 0.0f;
            p.z = std::round(p.z * 1e5f) / 1e5f + 0.0f;
        }
        EXPECT_EQ(describe(out), c.expected);
    }
}

TEST_F(PolyModelFileTest, CircleAtTheLimitStillYieldsItsTriangles)
{
    Points out = vertices("MODEL_PART_LIST == P\nP_PART_PLANE == XY\nP_PART_TYPE == LINE_CIRCLE\n"
                          "P_PART_RADIUS == 1\nP_PART_NUM_SEGS == 4096\n");
    EXPECT_EQ(out.size(), 3u * 4094u);
}

TEST_F(PolyModelFileTest, GetPointsAppendsOnSuccessAndEmptiesOnFailure)
{
    Points points = {Vector3<float>(9, 9, 9)};
    const PolyModel::PolygonPart good(
        "g", PolyModel::XY, Vector3<float>(), "",
        {Vector3<float>(0, 0, 0), Vector3<float>(1, 0, 0), Vector3<float>(0, 1, 0)});
    good.getPoints(points);
    EXPECT_EQ(points.size(), 4u);
    const PolyModel::PolygonPart bad(
        "b", PolyModel::XY, Vector3<float>(), "",
        {Vector3<float>(0, 0, 0), Vector3<float>(0, 1, 0), Vector3<float>(1, 0, 0)});
    bad.getPoints(points);
    EXPECT_TRUE(points.empty());
    // The XZ plane exists for the geometry only, and a plane value outside the three fails.
    Points xz;
    EXPECT_TRUE(ModelSys::triangulate(
        PolyModel::XZ, {Vector3<float>(0, 0, 0), Vector3<float>(1, 0, 0), Vector3<float>(0, 0, 1)}, xz));
    EXPECT_EQ(xz.size(), 3u);
    EXPECT_FALSE(ModelSys::triangulate(static_cast<PolyModel::PLANE>(7), {}, xz));
}
} // namespace
