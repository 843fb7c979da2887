// AcGeContext: process-wide geometry settings. gTol is the tolerance that every
// comparison uses when the caller gives none; changing it changes the default
// for the whole process (tests that change it restore it).
#pragma once

#include "getol.h"

struct AcGeContext {
    static HX_GE_API AcGeTol gTol;
};
