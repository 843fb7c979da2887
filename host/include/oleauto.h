// The automation runtime's string and variant functions (declared with the
// types in oaidl.h).
#pragma once

#include "oaidl.h"
