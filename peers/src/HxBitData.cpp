// HxBitData: the flag-word value class of the base module.
#include "HxAecBase.h"

HxBitData::~HxBitData() = default;
