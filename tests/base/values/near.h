// Comparisons of float values within a tolerance, for results that go through sine, cosine
// or square root.
#pragma once

#include "base/fmatrix.h"
#include "base/fquat.h"

#include <gtest/gtest.h>

const float pi = 3.1415927f;

inline void ExpectNear(const FVEC3& v, const FVEC3& expected, float tolerance = 1e-5f) {
    EXPECT_NEAR(v.x, expected.x, tolerance);
    EXPECT_NEAR(v.y, expected.y, tolerance);
    EXPECT_NEAR(v.z, expected.z, tolerance);
}

inline void ExpectNear(const FMATRIX& m, const FMATRIX& expected, float tolerance = 1e-5f) {
    for (int i = 0; i < 16; i++)
        EXPECT_NEAR(m.m[i], expected.m[i], tolerance) << "element " << i;
}
