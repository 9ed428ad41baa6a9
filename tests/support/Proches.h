// Points compared coordinate by coordinate within a tolerance.
#pragma once

#include <gtest/gtest.h>

#include "model/Geom.h"

inline void ExpectNear(const TVertex3f& a, const TVertex3f& b, double tol = 1e-12) {
    EXPECT_NEAR(a.X, b.X, tol);
    EXPECT_NEAR(a.Y, b.Y, tol);
    EXPECT_NEAR(a.Z, b.Z, tol);
}
