// The DXF codecs of the product's entities, one maker per codec. Internal to
// the stand-in modules; registerEntityCodecs() (XDataItems.h) registers them
// all when the library loads.
//
// Each entity is stored as a standard entity that any CAD program shows,
// tagged with xdata of an application of its own: a pipe as a LINE
// (HXWT_PIPE), a well as a CIRCLE (HXWT_WELL), a pool and equipment as a
// closed LWPOLYLINE (HXWT_POOL, HXWT_EQUIPMENT), an elevation symbol as a
// TEXT (HXWT_ELEVATION). A standard entity whose xdata is missing or of the
// wrong shape is not turned back (the reader keeps it as it is).
#pragma once

#include "HxWtDbObject.h"
#include "hxhost/DxfCodec.h"

#include <memory>

namespace hxpeers {

std::unique_ptr<hxhost::DxfCustomCodec> makePipeCodec();
std::unique_ptr<hxhost::DxfCustomCodec> makeWellCodec();
std::unique_ptr<hxhost::DxfCustomCodec> makePoolCodec();
std::unique_ptr<hxhost::DxfCustomCodec> makeEquipmentCodec();
std::unique_ptr<hxhost::DxfCustomCodec> makeElevationCodec();

} // namespace hxpeers
