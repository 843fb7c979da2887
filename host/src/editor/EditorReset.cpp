// resetEditor: the editor state back to a fresh session's.
#include "editor/EditorState.h"
#include "hxhost/Session.h"

namespace hxhost {

void resetEditor() {
    detail::resetSystemVariables();
    detail::resetEditorScript();
    clearCommandLine();
    setAnsiCodePage(936);
}

} // namespace hxhost
