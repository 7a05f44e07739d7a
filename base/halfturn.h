// The axis of a half turn that takes a direction onto its opposite.
#pragma once

#include "base/fvec.h"

// The part of preferred perpendicular to the unit vector from, normalised; when preferred is
// (nearly) parallel to from, the x axis, or failing that the y axis, takes its place. Turning
// from by pi about the result always gives -from.
FVEC3 HalfTurnAxis(const FVEC3& from, const FVEC3& preferred);
