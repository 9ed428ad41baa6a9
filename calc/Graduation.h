// Round values for the graduations of the calculation charts' axes.
#pragma once

namespace Graduation {

// The step, 1, 2 or 5 times a power of ten, that cuts [min, max] into as
// many intervals as it can without going over nbMax; 1 for a range that is
// empty, reversed or not finite.
double Pas(double min, double max, int nbMax = 10);
// The decimals that show every multiple of the step as it is (0 from 1 up).
int Decimales(double pas);

}  // namespace Graduation
