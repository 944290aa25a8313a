#pragma once

namespace MatSys
{
class Material;
} // namespace MatSys

namespace ModelSys
{
class Model;

// A model with the material to draw it with; the record owns neither.
struct ModelMatPair
{
    Model* model = nullptr;
    MatSys::Material* material = nullptr;
};
} // namespace ModelSys
