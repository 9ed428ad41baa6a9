// The round steps of the charts' graduations.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/Graduation.h"

TEST(Graduation, StepsOfOneTwoOrFiveTimesAPowerOfTen) {
    struct Cas {
        double min, max, pas;
        int decimales;
    } cas[] = {
        {0.0, 4.2, 0.5, 1},          {0.0, 180.0, 20.0, 0},   {-0.21, 1.37, 0.2, 1}, {0.0, 308721.4, 50000.0, 0},
        {0.0, 10.0, 1.0, 0},         {0.0, 1e-3, 1e-4, 4},    {-3.0, 0.03, 0.5, 1},  {0.0, 0.3, 0.05, 2},
        {5.0, 5.0, 1.0, 0},          {1.0, 0.0, 1.0, 0},      {0.0, NAN, 1.0, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << c.min << " .. " << c.max);
        const double pas = Graduation::Pas(c.min, c.max);
        EXPECT_NEAR(pas, c.pas, c.pas * 1e-12);
        EXPECT_EQ(Graduation::Decimales(pas), c.decimales);
    }
}
