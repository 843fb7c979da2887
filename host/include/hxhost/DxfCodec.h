// Stand-in only: how custom entity classes travel through DXF files.
//
// A drawing file holds only the standard entities every CAD program knows. A
// custom entity (a class the host itself does not know, such as the product's
// pipes and wells) is stored as a standard entity that shows it (a LINE, a
// CIRCLE, a closed LWPOLYLINE, ...) carrying the custom entity's own data as
// the extended data of one registered application that belongs to the class.
// A DxfCustomCodec does both directions for one class:
//
//   writing:  custom entity  -> makeStandard() + makeXData()
//   reading:  standard entity with xdata of appName() -> makeCustom()
//
// The file writer copies the custom entity's handle, layer and colour onto the
// standard entity, writes the standard entity's own data, then every xdata
// application of the custom entity except appName(), then the codec's chain.
// The reader does the reverse: a standard entity of the file that carries
// xdata of a registered codec's application is handed to that codec; the
// custom entity it makes takes the handle, owner block, layer, colour and
// every other application's xdata of the standard entity. When makeCustom
// refuses (null), the standard entity is kept as it is, codec xdata included,
// and the refusal is reported as a finding of the read (see DxfFile.h).
//
// Ownership. The codec registry owns the registered codecs for the process
// (until unregistered). Entities and chains the codec makes are new and owned
// by the caller (the writer or reader deletes / releases them). The codec
// never opens, closes or adds objects: it works on the objects it is handed,
// which are open (or not database-resident) for as long as the call lasts.
//
// The application name is reserved for the codec: xdata that a custom entity
// itself holds under appName() is not written (the codec's chain replaces it).
#pragma once

#include "acadstrc.h"
#include "adsdef.h"
#include "dbmain.h"
#include "rxobject.h"

#include <memory>
#include <string>
#include <vector>

#define HX_DXF_API __attribute__((visibility("default")))

namespace hxhost {

class DxfCustomCodec {
public:
    virtual ~DxfCustomCodec() = default;

    // The custom class this codec writes and makes. Exact class: a subclass
    // needs a codec of its own. Never null for a registered codec.
    virtual const AcRxClass* customClass() const = 0;
    // The registered application (APPID) whose xdata marks a standard entity
    // as one of this class in a file. Never null or empty.
    virtual const ACHAR* appName() const = 0;

    // Writing: a new standard entity (AcDbLine, AcDbCircle, AcDbPolyline,
    // AcDbText, ...; owned by the caller, not in a database) that shows the
    // custom entity. Null when the entity cannot be shown: the writer then
    // reports it and leaves it out of the file.
    virtual AcDbEntity* makeStandard(const AcDbEntity& custom) const = 0;
    // Writing: the custom entity's own data as a new xdata chain led by the
    // 1001 item of appName() (built with acutBuildList; the writer releases it
    // with acutRelRb). Items after the 1001 item must be xdata codes (1000 to
    // 1071). Null is an error: the writer reports it and leaves the entity out.
    virtual resbuf* makeXData(const AcDbEntity& custom) const = 0;
    // Reading: a new custom entity (owned by the caller, not in a database)
    // rebuilt from the standard entity that showed it and from the chain of
    // the codec's application (led by its 1001 item; the reader keeps it).
    // Null when the data do not make one (wrong entity kind, missing or
    // ill-typed items).
    virtual AcDbEntity* makeCustom(const AcDbEntity& shown, const resbuf* appXData) const = 0;

    // For listings (hxwt info): the custom entity's values as one line of
    // text, e.g. L"diameter=300 slope=0.003". Empty by default; the listing
    // then shows the class name, handle and xdata only.
    virtual std::wstring describe(const AcDbEntity& custom) const { return {}; }
};

// Registers a codec for its class. Replaces an earlier codec of the same
// class (which is deleted). False, and the codec deleted, for a null codec,
// a null class, a null or empty application name, or an application name that
// a codec of another class already uses (names compare ignoring ASCII case).
HX_DXF_API bool registerDxfCodec(std::unique_ptr<DxfCustomCodec> codec);
// Removes (and deletes) the codec of a class; false when there is none.
HX_DXF_API bool unregisterDxfCodec(const AcRxClass* cls);
// The codec of a class (exact class), or null (also for null).
HX_DXF_API const DxfCustomCodec* findDxfCodec(const AcRxClass* cls);
// The codec whose application is app (ASCII case ignored), or null (also for
// null or empty app).
HX_DXF_API const DxfCustomCodec* findDxfCodecByApp(const ACHAR* app);
// The registered codecs, in registration order (valid until the registry
// changes).
HX_DXF_API std::vector<const DxfCustomCodec*> dxfCodecs();

} // namespace hxhost
