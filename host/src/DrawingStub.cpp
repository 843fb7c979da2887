// Placeholder until the drawing database lands.
#include "hxhost/Drawing.h"
namespace hxhost {
void resetDrawings() {}
} // namespace hxhost
