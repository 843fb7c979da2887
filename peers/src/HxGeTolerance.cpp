// The base module's tolerances: g_fZero for numbers and HxGeTolerance() for
// lengths.
//
// The length tolerance is absolute, 1e-6 drawing units: a micrometre in a
// millimetre drawing, a thousandth of a millimetre in a metre drawing. Both
// are far below drafting precision and far above the rounding of doubles at
// the coordinates drawings use (up to about 1e8 units), so the same value
// serves drawings in either unit. Two points within it coincide; a distance
// equal to it still counts as within.
#include "HxAecGeometry.h"

double g_fZero = 1e-6;

double HxGeTolerance() {
    return 1e-6;
}
