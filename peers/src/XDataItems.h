// XDataWriter / XDataReader: build and read the xdata chains of the DXF
// codecs of the product's entities. Internal to the stand-in modules.
//
// Every chain is led by the 1001 item of its application, then a 1070 format
// version (1), then the entity's values in a fixed order, then its named
// fields (a 1070 count and that many 1000 name / 1000 text pairs).
#pragma once

#include "HxAecDbObject.h"
#include "adsdef.h"

namespace hxpeers {

constexpr int kXDataFormat = 1;

class XDataWriter {
public:
    // Starts the chain with the application and the format version.
    explicit XDataWriter(const ACHAR* app);
    ~XDataWriter();
    XDataWriter(const XDataWriter&) = delete;
    XDataWriter& operator=(const XDataWriter&) = delete;

    void text(const ACHAR* value);
    void real(double value);
    void int32(int value);
    void point(const AcGePoint3d& value);
    void fields(const HxDbFieldGroup& fields);
    // The chain (the caller releases it), or null when an item could not be
    // made; the writer lets go of it.
    resbuf* release();

private:
    void append(resbuf* items);
    resbuf* m_head = nullptr;
    resbuf* m_tail = nullptr;
    bool m_failed = false;
};

class XDataReader {
public:
    // Reads the chain after its 1001 item; fails unless the format matches.
    explicit XDataReader(const resbuf* chain);

    bool text(const ACHAR*& value);
    bool real(double& value);
    bool int32(int& value);
    bool point(AcGePoint3d& value);
    bool fields(HxDbFieldGroup& fields);
    // True while every read so far found the item it expected.
    bool ok() const { return m_ok; }

private:
    const resbuf* next(int code);
    const resbuf* m_item = nullptr;
    bool m_ok = true;
};

// Registers the codecs of the product's entities with the host's DXF codec
// registry (pipe, well, pool, equipment, elevation symbol).
void registerEntityCodecs();

} // namespace hxpeers
