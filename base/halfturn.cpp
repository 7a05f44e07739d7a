#include "base/halfturn.h"

FVEC3 HalfTurnAxis(const FVEC3& from, const FVEC3& preferred) {
    const FVEC3 candidates[3] = {preferred, FVEC3(1, 0, 0), FVEC3(0, 1, 0)};
    for (const FVEC3& axis : candidates) {
        FVEC3 perpendicular = axis - from * from.Dot(axis);
        if (perpendicular.Length() >= 0.5f) return perpendicular.Normalize();
    }
    return FVEC3(0, 0, 1);
}
