// Host-internal: resets of the editor's state, called by resetEditor.
#pragma once

namespace hxhost::detail {

// Every system variable back to its default.
void resetSystemVariables();
// The scripted editor, its log and callbacks; frees every selection set.
void resetEditorScript();

} // namespace hxhost::detail
