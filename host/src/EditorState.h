// Host-internal: resets of the editor's state, called by resetEditor.
#pragma once

namespace hxhost::detail {

// Every system variable back to its default.
void resetSystemVariables();

} // namespace hxhost::detail
