#pragma once

#include <string>
#include <vector>

#include "models/PolyModel.h"
#include "util/NonCopyable.h"

namespace CFG
{
class Info;
} // namespace CFG

namespace MathStuff
{
class PointsString;
} // namespace MathStuff

namespace ModelSys
{
// Reads a poly-model file (keys MODELS_LIST, MODEL_PART_LIST, <model>_MODEL_PART_LIST and the
// <part>_PART_... keys) into poly models. A file that cannot be read reads as an empty one.
class PolyModelFile : private Util::NonCopyable<PolyModelFile>
{
public:
    // fileName is the full path; the file is read with the process-wide overrides asked first.
    explicit PolyModelFile(std::string fileName);
    virtual ~PolyModelFile();

    // Appends one new model per name of MODELS_LIST (or one named after the file stem when it lists
    // none); the caller owns them. Answers the size of models afterwards.
    virtual int makeModels(std::vector<PolyModel*>& models);
    // A new model with the parts of its own part list, else of MODEL_PART_LIST; never null.
    virtual PolyModel* makeModel(const std::string& name);

    void populateModel(PolyModel* model, const std::string& partList);
    // False when the part has no usable plane or type and was left out.
    bool addPart(PolyModel* model, const std::string& partName);
    // Sets the point reader and plane of the part; false for a plane other than XY and ZY.
    bool setPSP(const std::string& partName);

private:
    std::string key(const std::string& partName, const char* suffix) const;
    PolyModel::Part* makePolyline(const std::string& partName, const MathStuff::Vector3<float>& offset,
                                  const std::string& material) const;

    std::string fileName;
    CFG::Info* info;
    MathStuff::PointsString* pointsParser;
    PolyModel::PLANE plane;
};
} // namespace ModelSys
