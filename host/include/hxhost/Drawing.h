// Stand-in only: control of the drawings the stand-in host holds (documents,
// their databases, the working database), for tests and tools.
#pragma once

#define HX_DRAWING_API __attribute__((visibility("default")))

namespace hxhost {

// Closes every document and deletes every database the host made, leaving a
// session with one new empty current drawing.
HX_DRAWING_API void resetDrawings();

} // namespace hxhost
