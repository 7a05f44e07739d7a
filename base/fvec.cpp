#include "base/fvec.h"

const FVEC2 FVEC2::Zero(0, 0);
const FVEC3 FVEC3::Zero(0, 0, 0);
const FVEC4 FVEC4::Zero(0, 0, 0, 0);
