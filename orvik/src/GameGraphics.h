#pragma once

#include <string>
#include <vector>

#include "models/ModelMatPair.h"
#include "util/NonCopyable.h"

namespace ModelSys
{
class ModelSystemFacade;
} // namespace ModelSys

namespace Orvik
{
// The six things the maze game draws, each one model with one material named by configuration keys
// (kind + "_MATERIAL", "_MODEL_NAME", "_MODEL_FILE") and made once at start-up.
class GameGraphics : private Util::NonCopyable<GameGraphics>
{
public:
    enum Graphic
    {
        WALL = 0,
        TREASURE,
        PLAYER,
        CHOICE,
        ESCAPED,
        FOOTPRINT,
        NUM_GRAPHICS
    };

    // Takes the model system from the globals record, which must hold it already.
    GameGraphics();
    virtual ~GameGraphics();

    // Makes the six pairs; a kind that cannot be made ends the program. A second call does nothing.
    void init();
    ModelSys::ModelMatPair getModelAndMat(const std::string& kind);
    // Valid after init only.
    const ModelSys::ModelMatPair& get(Graphic kind) const;

    static const char* kindName(Graphic kind);

private:
    ModelSys::ModelSystemFacade* modelSystem;
    std::vector<ModelSys::ModelMatPair> pairs;
};
} // namespace Orvik
