// Placeholder until the session lands.
#include "hxhost/Session.h"
namespace hxhost {
void resetEditor() {}
} // namespace hxhost
