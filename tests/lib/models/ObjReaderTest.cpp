#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "models/ObjReader.h"
#include "support/TempDir.h"

namespace
{
using namespace ModelSys;

std::string index(std::uint32_t value)
{
    return value == 0xFFFFFFFFu ? "-" : std::to_string(value);
}

std::string number(float value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

// The triangles as v1,v2,v3/t1,t2,t3/n1,n2,n3 ("-" where the face gave none).
std::string triangles(const _GLMscene* scene)
{
    std::string text;
    for (std::uint32_t i = 0; i < scene->numtriangles; ++i)
    {
        const _GLMtri& t = scene->triangles[i];
        text += "(";
        for (const std::uint32_t* kind : {t.vindices, t.tindices, t.nindices})
            text += index(kind[0]) + "," + index(kind[1]) + "," + index(kind[2]) +
                    (kind == t.nindices ? "" : "/");
        text += ")";
    }
    return text;
}

// The groups, newest first, as 'name'=material:triangles.
std::string groups(const _GLMscene* scene)
{
    std::string text;
    for (const _GLMfacegroup* group = scene->groups; group != nullptr; group = group->next)
    {
        text += "'" + std::string(group->name) + "'=" + std::to_string(group->material) + ":";
        for (std::uint32_t i = 0; i < group->numtriangles; ++i)
            text += (i > 0 ? "," : "") + std::to_string(group->triangles[i]);
        text += " ";
    }
    return text;
}

std::string materials(const _GLMscene* scene)
{
    std::string text;
    for (std::uint32_t i = 0; i < scene->nummaterials; ++i)
    {
        const _GLMmaterial& m = scene->materials[i];
        text += std::string(m.name) + "[";
        text += m.textureFile != nullptr ? std::string(m.textureFile) : "";
        for (const float* colour : {m.diffuse, m.ambient, m.specular})
            text += " " + number(colour[0]) + "," + number(colour[1]) + "," + number(colour[2]) + "," +
                    number(colour[3]);
        text += " " + number(m.shininess) + "]";
    }
    return text;
}

std::string positions(const _GLMscene* scene)
{
    std::string text;
    for (std::uint32_t i = 1; i <= scene->numvertices; ++i)
        text += "(" + number(scene->vertices[3 * i]) + "," + number(scene->vertices[3 * i + 1]) + "," +
                number(scene->vertices[3 * i + 2]) + ")";
    return text;
}

const std::string SQUARE = "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\n";

class ObjReaderTest : public ::testing::Test
{
protected:
    // Reads an OBJ beside an MTL file m.mtl (when mtl is not empty).
    _GLMscene* read(const std::string& obj, const std::string& mtl = "")
    {
        if (!mtl.empty())
            dir.write("m.mtl", mtl);
        scene = glmReadOBJ(dir.write("x.obj", obj).c_str());
        return scene;
    }
    void TearDown() override { glmDelete(scene); }

    Testing::TempDir dir{"orvik-obj"};
    _GLMscene* scene = nullptr;
};

TEST_F(ObjReaderTest, FacesAndGroups)
{
    struct Case
    {
        const char* what;
        std::string obj;
        std::string triangles;
        std::string groups;
    };
    const std::vector<Case> cases = {
        {"quad fanned", SQUARE + "f 1 2 4 3\n", "(1,2,4/-,-,-/-,-,-)(1,4,3/-,-,-/-,-,-)", "'default'=0:0,1 "},
        {"v/vt/vn", SQUARE + "vt 0 0\nvn 0 0 1\nf 1/1/1 2/2/2 3/3/3\n", "(1,2,3/1,2,3/1,2,3)",
         "'default'=0:0 "},
        {"v//vn", SQUARE + "f 1//1 2//2 3//3\n", "(1,2,3/-,-,-/1,2,3)", "'default'=0:0 "},
        {"v/vt", SQUARE + "f 1/5 2/6 3/7\n", "(1,2,3/5,6,7/-,-,-)", "'default'=0:0 "},
        {"five corners fanned", SQUARE + "v 2 2 0\nf 1 2 3 4 5\n",
         "(1,2,3/-,-,-/-,-,-)(1,3,4/-,-,-/-,-,-)(1,4,5/-,-,-/-,-,-)", "'default'=0:0,1,2 "},
        {"later corner keeps missing numbers", SQUARE + "f 1/1/1 2 3/3\n", "(1,2,3/1,1,3/1,1,1)",
         "'default'=0:0 "},
        {"face runs over a line break", SQUARE + "f 1 2\n3 4\ng a\n",
         "(1,2,3/-,-,-/-,-,-)(1,3,4/-,-,-/-,-,-)", "' a'=0: 'default'=0:0,1 "},
        {"face ends at a word", SQUARE + "f 1 2 3 g a\nf 2 3 4\n", "(1,2,3/-,-,-/-,-,-)(2,3,4/-,-,-/-,-,-)",
         "' a'=0:1 'default'=0:0 "},
        {"fewer than three corners", SQUARE + "f 1 2\nf 3\nf\n", "", "'default'=0: "},
        {"groups keep the blank, return and keep order",
         SQUARE + "f 1 2 3\ng door\nf 2 3 4\ng Door\nf 1 2 4\ng door\nf 1 3 4\ng  two words \nf 4 3 2\n",
         "(1,2,3/-,-,-/-,-,-)(2,3,4/-,-,-/-,-,-)(1,2,4/-,-,-/-,-,-)(1,3,4/-,-,-/-,-,-)(4,3,2/-,-,-/-,-,-)",
         "'  two words '=0:4 ' Door'=0:2 ' door'=0:1,3 'default'=0:0 "},
        {"last line without a line break", SQUARE + "g door", "", "' door'=0: 'default'=0: "},
        {"file ends right after g", SQUARE + "g", "", "''=0: 'default'=0: "},
        {"CR LF ends a group name", SQUARE + "g door\r\nf 1 2 3\r\n", "(1,2,3/-,-,-/-,-,-)",
         "' door'=0:0 'default'=0: "},
        {"long comment is one comment", SQUARE + "# " + std::string(200, 'x') + " very f 1 2 3\nf 2 3 4\n",
         "(2,3,4/-,-,-/-,-,-)", "'default'=0:0 "},
        {"long group name", SQUARE + "g " + std::string(300, 'n') + "\nf 1 2 3\n", "(1,2,3/-,-,-/-,-,-)",
         "' " + std::string(300, 'n') + "'=0:0 'default'=0: "},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        glmDelete(scene);
        ASSERT_NE(read(c.obj), nullptr);
        EXPECT_EQ(triangles(scene), c.triangles);
        EXPECT_EQ(groups(scene), c.groups);
        EXPECT_EQ(scene->numgroups,
                  static_cast<std::uint32_t>(std::count(c.groups.begin(), c.groups.end(), '=')));
        EXPECT_EQ(scene->nummaterials, 0u);
        EXPECT_EQ(scene->materials, nullptr);
    }
}

TEST_F(ObjReaderTest, NumbersComeFromTheirOwnLine)
{
    struct Case
    {
        const char* what;
        std::string obj;
        std::string positions;
        std::uint32_t normals;
        std::uint32_t texcoords;
    };
    const std::vector<Case> cases = {
        {"two statements on one line", "v 1 2 3 v 4 5 6\nvn 0 0 1 vn 1 0 0\nvt 1 2 vt 3 4\n", "(1,2,3)", 1,
         1},
        {"numbers that do not read are 0", "v 1 x 3\nv\nv 7 8 9 10\n", "(1,0,0)(0,0,0)(7,8,9)", 0, 0},
        {"statements in a long comment", "# " + std::string(300, '-') + " v 1 1 1\nv 5 5 5\n", "(5,5,5)", 0,
         0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        glmDelete(scene);
        ASSERT_NE(read(c.obj), nullptr);
        EXPECT_EQ(positions(scene), c.positions);
        EXPECT_EQ(scene->numnormals, c.normals);
        EXPECT_EQ(scene->numtexcoords, c.texcoords);
    }
    glmDelete(scene);
    ASSERT_NE(read("vt 0.25 0.75\nvn 0 0 -1\n"), nullptr);
    EXPECT_EQ(scene->texcoords[2], 0.25f);
    EXPECT_EQ(scene->texcoords[3], 0.75f);
    EXPECT_EQ(scene->normals[5], -1.0f);
}

TEST_F(ObjReaderTest, Materials)
{
    struct Case
    {
        const char* what;
        std::string obj;
        std::string mtl;
        std::string materials;
        std::string groups;
    };
    const std::string use = "mtllib m.mtl\n" + SQUARE;
    const std::vector<Case> cases = {
        {"Ns, Ni, Kd and defaults", use, "newmtl a\nNs 500\nKd 1 0 0\nnewmtl b\nNs 500\nNi 1.5\n",
         "a[ 1,0,0,1 0.2,0.2,0.2,1 0,0,0,1 64]b[ 0.8,0.8,0.8,1 0.2,0.2,0.2,1 0,0,0,1 0.192]",
         "'default'=0: "},
        {"N without a number scales what it held", use, "newmtl a\nNs\n",
         "a[ 0.8,0.8,0.8,1 0.2,0.2,0.2,1 0,0,0,1 8.32]", "'default'=0: "},
        {"map_Kd only", use, "newmtl a\nmap_Ka x.tga\nmap_Bump y.tga\nmap_Kd wood.tga\nKs 0.5 0.25 2\n",
         "a[wood.tga 0.8,0.8,0.8,1 0.2,0.2,0.2,1 0.5,0.25,2,1 65]", "'default'=0: "},
        {"colours that do not read keep their value", use, "newmtl a\nKd 0.5 x 1\nKa\n",
         "a[ 0.5,0.8,0.8,1 0.2,0.2,0.2,1 0,0,0,1 65]", "'default'=0: "},
        {"statements before newmtl go nowhere", use, "Kd 1 1 1\nKa 0 0 0\nNs 1\nmap_Kd w.tga\nnewmtl a\n",
         "a[ 0.8,0.8,0.8,1 0.2,0.2,0.2,1 0,0,0,1 65]", "'default'=0: "},
        {"a newmtl behind a colour on one line", use, "newmtl a\nKd 1 1 1 newmtl x\n",
         "a[ 1,1,1,1 0.2,0.2,0.2,1 0,0,0,1 65]", "'default'=0: "},
        {"usemtl sets the group and later groups", use + "usemtl b\nf 1 2 3\ng door\nf 2 3 4\nusemtl a\n",
         "newmtl a\nnewmtl b\n", "", "' door'=0:1 'default'=1:0 "},
        {"unknown usemtl gives 0", use + "usemtl b\nusemtl zzz\ng d\n", "newmtl a\nnewmtl b\n", "",
         "' d'=0: 'default'=0: "},
        {"long material names", use, "newmtl " + std::string(200, 'm') + "\n",
         std::string(200, 'm') + "[ 0.8,0.8,0.8,1 0.2,0.2,0.2,1 0,0,0,1 65]", "'default'=0: "},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        glmDelete(scene);
        testing::internal::CaptureStdout();
        ASSERT_NE(read(c.obj, c.mtl), nullptr);
        const std::string printed = testing::internal::GetCapturedStdout();
        if (!c.materials.empty())
            EXPECT_EQ(materials(scene), c.materials);
        EXPECT_EQ(groups(scene), c.groups);
        EXPECT_STREQ(scene->mtllibname, "m.mtl");
        if (std::string(c.what) == "unknown usemtl gives 0")
            EXPECT_EQ(printed, "glmFindMaterial():  can't find material \"zzz\".\n");
        else
            EXPECT_EQ(printed, "");
    }
}

TEST_F(ObjReaderTest, MtlPathsFollowTheObjDirectory)
{
    std::filesystem::create_directories(dir.path("models/sub"));
    dir.write("models/sub/a.mtl", "newmtl inner\n");
    dir.write("models/x.obj", "mtllib sub/a.mtl\n");
    scene = glmReadOBJ(dir.path("models/x.obj").c_str());
    ASSERT_NE(scene, nullptr);
    EXPECT_STREQ(scene->materials[0].name, "inner");
    glmDelete(scene);
    scene = nullptr;

    // A path without "/" looks in the working directory.
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path("models"));
    scene = glmReadOBJ("x.obj");
    std::filesystem::current_path(before);
    ASSERT_NE(scene, nullptr);
    EXPECT_STREQ(scene->materials[0].name, "inner");
}

// Each library is read once however often it is named: a repeat, in whatever spelling, adds nothing.
TEST_F(ObjReaderTest, RepeatedLibrariesAreReadOnce)
{
    dir.write("b.mtl", "newmtl fromB\n");
    ASSERT_NE(read("mtllib m.mtl\nmtllib m.mtl\nmtllib b.mtl\nmtllib ./m.mtl\nmtllib m.mtl\n" + SQUARE,
                   "newmtl fromM\n"),
              nullptr);
    EXPECT_EQ(materials(scene), "fromB[ 0.8,0.8,0.8,1 0.2,0.2,0.2,1 0,0,0,1 65]");
    EXPECT_STREQ(scene->mtllibname, "b.mtl");

    // The OBJ file naming itself as its library thousands of times.
    glmDelete(scene);
    std::string obj = SQUARE + "newmtl self\n";
    for (int i = 0; i < 20000; ++i)
        obj += "mtllib x.obj\n";
    ASSERT_NE(read(obj), nullptr);
    EXPECT_EQ(materials(scene), "self[ 0.8,0.8,0.8,1 0.2,0.2,0.2,1 0,0,0,1 65]");
}

// Groups found by name keep the order they were first named in, and a group named again gathers the
// faces that follow.
TEST_F(ObjReaderTest, ManyGroupsKeepTheirOrder)
{
    std::string obj = SQUARE;
    std::string expected;
    const int count = 5000;
    for (int i = 0; i < count; ++i)
        obj += "g g" + std::to_string(i) + "\nf 1 2 3\n";
    for (int i = 0; i < count; i += 1000)
        obj += "g g" + std::to_string(i) + "\nf 2 3 4\n";
    for (int i = count - 1; i >= 0; --i)
        expected += "' g" + std::to_string(i) + "'=0:" + std::to_string(i) +
                    (i % 1000 == 0 ? "," + std::to_string(count + i / 1000) : "") + " ";
    ASSERT_NE(read(obj), nullptr);
    EXPECT_EQ(scene->numgroups, std::uint32_t(count + 1));
    EXPECT_EQ(groups(scene), expected + "'default'=0: ");
}

TEST_F(ObjReaderTest, FailedReads)
{
    struct Case
    {
        const char* what;
        std::string obj;
        std::string mtl;
        std::string out;
        std::string err; // the start of standard error
    };
    const std::string path = dir.path("x.obj");
    const std::string mtlPath = dir.path("m.mtl");
    const std::vector<Case> cases = {
        {"unknown v statement", "vp 0 0\n", "", "glmFirstPass(): Unknown token \"vp\".\n", ""},
        {"position 0", SQUARE + "f 0 1 2\n", "", "", "glmReadOBJ() failed: face names position 0"},
        {"negative position", SQUARE + "f 1 -1 2\n", "", "", "glmReadOBJ() failed: face names position -1"},
        {"position past the count", SQUARE + "f 1 2 5\n", "", "",
         "glmReadOBJ() failed: face names position 5"},
        {"huge position", SQUARE + "f 1 2 99999999999999\n", "", "",
         "glmReadOBJ() failed: face names position"},
        {"MTL missing", "mtllib none.mtl\n", "", "",
         "glmReadMTL() failed: can't open material file \"" + dir.path("none.mtl") + "\".\n"},
        {"MTL without newmtl", "mtllib m.mtl\n", "Kd 1 1 1\n", "",
         "glmReadMTL() failed: No newmtl statements in material file \"" + mtlPath + "\".\n"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(mtlPath);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        EXPECT_EQ(read(c.obj, c.mtl), nullptr);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.out);
        EXPECT_EQ(testing::internal::GetCapturedStderr().substr(0, c.err.size()), c.err);
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(glmReadOBJ(dir.path("absent.obj").c_str()), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "glmReadOBJ() failed: can't open data file \"" + dir.path("absent.obj") + "\".\n");
    glmDelete(nullptr);
}

TEST_F(ObjReaderTest, ScaleAndReverseWinding)
{
    ASSERT_NE(read(SQUARE + "vn 0 0 1\nvn 1 2 3\nvt 0 0\nf 1/1/1 2/1/2 3/1/1\nf 2 3 4\n"), nullptr);
    glmScale(scene, 2.0f);
    EXPECT_EQ(positions(scene), "(0,0,0)(2,0,0)(0,2,0)(2,2,0)");
    glmFacetNormals(scene);
    glmReverseWinding(scene);
    EXPECT_EQ(triangles(scene), "(3,2,1/1,1,1/1,2,1)(4,3,2/-,-,-/-,-,-)");
    EXPECT_EQ(scene->normals[3 + 2], -1.0f);
    EXPECT_EQ(scene->normals[6 + 0], -1.0f);
    EXPECT_EQ(scene->normals[6 + 1], -2.0f);
    EXPECT_EQ(scene->normals[6 + 2], -3.0f);
    EXPECT_EQ(scene->facetnorms[3 + 2], -1.0f);
}

TEST_F(ObjReaderTest, Utilities)
{
    ASSERT_NE(read("v -1 0 0\nv 3 0 0\nv 3 2 0\nv 3.001 2 0\nf 1 2 3\nf 1 3 2\n"), nullptr);
    EXPECT_EQ(glmFindGroup(scene, "default"), scene->groups);
    EXPECT_EQ(glmFindGroup(scene, "none"), nullptr);
    _GLMfacegroup* added = glmAddGroup(scene, "new");
    EXPECT_EQ(scene->groups, added);
    EXPECT_EQ(glmAddGroup(scene, "new"), added);
    EXPECT_EQ(scene->numgroups, 2u);
    testing::internal::CaptureStdout();
    EXPECT_EQ(glmFindMaterial(scene, "any"), 0u);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "glmFindMaterial():  can't find material \"any\".\n");

    float dimensions[3];
    glmDimensions(scene, dimensions);
    EXPECT_FLOAT_EQ(dimensions[0], 4.001f);
    EXPECT_FLOAT_EQ(dimensions[1], 2.0f);
    EXPECT_FLOAT_EQ(dimensions[2], 0.0f);

    glmFacetNormals(scene);
    EXPECT_EQ(scene->numfacetnorms, 2u);
    EXPECT_FLOAT_EQ(scene->facetnorms[3 + 2], 1.0f);
    EXPECT_FLOAT_EQ(scene->facetnorms[6 + 2], -1.0f);
    // The two faces point apart: at each shared position each gets its own normal.
    testing::internal::CaptureStderr();
    glmVertexNormals(scene, 90.0f);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "glmVertexNormals(): vertex w/o a triangle\n");
    EXPECT_EQ(scene->numnormals, 6u);
    EXPECT_EQ(triangles(scene), "(1,2,3/-,-,-/2,4,6)(1,3,2/-,-,-/1,5,3)");

    glmSpheremapTexture(scene);
    EXPECT_EQ(scene->numtexcoords, 6u);
    EXPECT_FLOAT_EQ(scene->texcoords[2], (1.5707961f + 3.14159265f / 2) / 3.14159265f);

    glmWeld(scene, 0.01f);
    EXPECT_EQ(positions(scene), "(-1,0,0)(3,0,0)(3,2,0)");
    EXPECT_EQ(triangles(scene).substr(0, 7), "(1,2,3/");

    glmLinearTexture(scene);
    EXPECT_EQ(scene->numtexcoords, 3u);
    EXPECT_FLOAT_EQ(scene->texcoords[2], 0.25f);
    EXPECT_EQ(triangles(scene).substr(0, 14), "(1,2,3/1,2,3/2");

    EXPECT_FLOAT_EQ(glmUnitize(scene), 0.5f);
    EXPECT_EQ(positions(scene), "(-1,-0.5,0)(1,-0.5,0)(1,0.5,0)");
}
} // namespace
