#include "models/PolyModelFile.h"

#include <utility>

#include "CFG/Info.h"
#include "CFG/Overrides.h"
#include "maths/PointsStringXY.h"
#include "maths/PointsStringZY.h"
#include "models/TextWords.h"
#include "util/StringUtil.h"

namespace ModelSys
{
PolyModelFile::PolyModelFile(std::string fileNameIn)
    : fileName(std::move(fileNameIn)), info(new CFG::Info(fileName, CFG::getDefaultOverrides())),
      pointsParser(nullptr), plane(PolyModel::XY)
{
}

PolyModelFile::~PolyModelFile()
{
    delete pointsParser;
    delete info;
}

int PolyModelFile::makeModels(std::vector<PolyModel*>& models)
{
    std::vector<std::string> names;
    splitWords(info->get("MODELS_LIST"), names);
    if (names.empty())
        models.push_back(makeModel(fileStem(fileName)));
    for (const std::string& name : names)
        models.push_back(makeModel(name));
    return static_cast<int>(models.size());
}

PolyModel* PolyModelFile::makeModel(const std::string& name)
{
    PolyModel* model = new PolyModel(name);
    std::string partList = info->get(name + "_MODEL_PART_LIST");
    if (partList.empty())
        partList = info->get("MODEL_PART_LIST");
    delete pointsParser;
    pointsParser = nullptr;
    populateModel(model, partList);
    delete pointsParser;
    pointsParser = nullptr;
    return model;
}

void PolyModelFile::populateModel(PolyModel* model, const std::string& partList)
{
    std::vector<std::string> partNames;
    splitWords(partList, partNames);
    for (const std::string& partName : partNames)
        addPart(model, partName);
}

std::string PolyModelFile::key(const std::string& partName, const char* suffix) const
{
    return info->get(partName + suffix);
}

bool PolyModelFile::setPSP(const std::string& partName)
{
    const float defaultCoord = Util::strToNum<float>(key(partName, "_PART_DEFCOORD"), 10);
    delete pointsParser;
    pointsParser = nullptr;
    const std::string planeName = key(partName, "_PART_PLANE");
    if (planeName == "XY")
    {
        pointsParser = new MathStuff::PointsStringXY(defaultCoord);
        plane = PolyModel::XY;
        return true;
    }
    if (planeName == "ZY")
    {
        pointsParser = new MathStuff::PointsStringZY(defaultCoord);
        plane = PolyModel::ZY;
        return true;
    }
    return false;
}

PolyModel::Part* PolyModelFile::makePolyline(const std::string& partName,
                                             const MathStuff::Vector3<float>& offset,
                                             const std::string& material) const
{
    PolyModel::Points points;
    pointsParser->parse(key(partName, "_PART_LINE_LIST"), points, false);
    if (key(partName, "_PART_RELATIVE_POINTS") == "YES")
    {
        for (std::size_t i = 1; i < points.size(); ++i)
        {
            points[i].x += points[i - 1].x;
            points[i].y += points[i - 1].y;
            points[i].z += points[i - 1].z;
        }
    }
    return new PolyModel::PolylinePart(partName, plane, offset, material, points);
}

bool PolyModelFile::addPart(PolyModel* model, const std::string& partName)
{
    if (!setPSP(partName))
        return false;
    const MathStuff::Vector3<float> offset = pointsParser->stringToPoint(key(partName, "_PART_OFFSET"));
    const std::string material = key(partName, "_PART_MATERIAL");
    const std::string type = key(partName, "_PART_TYPE");
    PolyModel::Part* part = nullptr;
    if (type == "LINE_LOOP")
    {
        PolyModel::Points points;
        pointsParser->parse(key(partName, "_PART_LINE_LOOP"), points, false);
        part = new PolyModel::PolygonPart(partName, plane, offset, material, points);
    }
    else if (type == "LINE_LIST")
        part = makePolyline(partName, offset, material);
    else if (type == "LINE_CIRCLE")
    {
        const float radius = Util::strToNum<float>(key(partName, "_PART_RADIUS"), 10);
        const int numSegs = Util::strToNum<int>(key(partName, "_PART_NUM_SEGS"), 10);
        float segRatio = Util::strToNum<float>(key(partName, "_PART_SEG_RATIO"), 10);
        if (!(segRatio > 0.0f))
            segRatio = 1.0f;
        part = new PolyModel::CirclePart(partName, plane, offset, material, radius, numSegs, segRatio);
    }
    else
        return false;
    model->addPart(part);
    const std::string texCoords = key(partName, "_PART_TEXCOORDS");
    if (!texCoords.empty())
        pointsParser->parse(texCoords, part->texCoords, false);
    return true;
}
} // namespace ModelSys
