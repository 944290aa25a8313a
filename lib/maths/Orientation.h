#pragma once

#include "maths/Matrix4x4.h"
#include "maths/Vector3.h"

namespace MathStuff
{
// The placement of anything drawn: where it is, which way it faces, which way is up and how it is
// stretched along its own axes.
template <class T> class Orientation
{
public:
    Orientation() = default;
    Orientation(const Vector3<T>& positionIn, const Vector3<T>& directionIn, const Vector3<T>& upIn,
                const Vector3<T>& scaleIn)
        : position(positionIn), direction(directionIn), up(upIn), scale(scaleIn)
    {
    }

    // The model matrix: the model's x axis is up x direction, its y axis up and its z axis direction,
    // each stretched by its scale component, then moved to position. The axes are taken as given
    // (neither normalised nor made orthogonal), so callers pass unit, perpendicular vectors.
    void getTransformation(Matrix4x4<T>& out) const
    {
        const Vector3<T> side = crossProduct(up, direction);
        setColumn(out, 0, side, scale.x, T(0));
        setColumn(out, 1, up, scale.y, T(0));
        setColumn(out, 2, direction, scale.z, T(0));
        setColumn(out, 3, position, T(1), T(1));
    }

    Vector3<T> position;
    Vector3<T> direction;
    Vector3<T> up;
    Vector3<T> scale;

private:
    static void setColumn(Matrix4x4<T>& out, int column, const Vector3<T>& axis, T factor, T last)
    {
        T* value = out.values + 4 * column;
        value[0] = axis.x * factor;
        value[1] = axis.y * factor;
        value[2] = axis.z * factor;
        value[3] = last;
    }
};
} // namespace MathStuff
