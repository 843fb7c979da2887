// Handles as hex text, object ids checked against the live stub arenas, and
// entity names (ads_name) of ids.
#include "database/DbStub.h"
#include "database/StubArena.h"
#include "dbid.h"
#include "dbmain.h"

#include <cwchar>

const AcDbObjectId AcDbObjectId::kNull;

namespace {

// The value of hex text of 1 to 16 digits; false for anything else.
template <class Char> bool parseHex(const Char* text, Adesk::UInt64& value) {
    if (text == nullptr || text[0] == 0)
        return false;
    Adesk::UInt64 v = 0;
    int digits = 0;
    for (const Char* p = text; *p != 0; ++p, ++digits) {
        const Char c = *p;
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0 || digits == 16)
            return false;
        v = (v << 4) | static_cast<Adesk::UInt64>(d);
    }
    value = v;
    return true;
}

const AcDbStub* liveStub(const AcDbObjectId& id) {
    return hxhost::StubArena::isLive(id.stub()) ? id.stub() : nullptr;
}

} // namespace

AcDbHandle::AcDbHandle(const ACHAR* hexText) {
    if (!parseHex(hexText, m_value))
        m_value = 0;
}

AcDbHandle::AcDbHandle(const char* hexText) {
    if (!parseHex(hexText, m_value))
        m_value = 0;
}

void AcDbHandle::getIntoAsciiBuffer(ACHAR* buffer) const {
    getIntoAsciiBuffer(buffer, 17);
}

void AcDbHandle::getIntoAsciiBuffer(ACHAR* buffer, size_t length) const {
    if (buffer == nullptr || length == 0)
        return;
    ACHAR text[17];
    std::swprintf(text, 17, L"%llX", static_cast<unsigned long long>(m_value));
    if (std::wcslen(text) >= length) {
        buffer[0] = 0;
        return;
    }
    std::wcscpy(buffer, text);
}

bool AcDbObjectId::isValid() const {
    return liveStub(*this) != nullptr;
}

bool AcDbObjectId::isErased() const {
    const AcDbStub* stub = liveStub(*this);
    return stub != nullptr && stub->erased;
}

AcDbDatabase* AcDbObjectId::database() const {
    const AcDbStub* stub = liveStub(*this);
    return stub == nullptr ? nullptr : stub->database;
}

AcRxClass* AcDbObjectId::objectClass() const {
    const AcDbStub* stub = liveStub(*this);
    return stub == nullptr || stub->object == nullptr ? nullptr : stub->cls;
}

AcDbHandle AcDbObjectId::handle() const {
    const AcDbStub* stub = liveStub(*this);
    return stub == nullptr ? AcDbHandle() : stub->handle;
}

Acad::ErrorStatus acdbGetAdsName(ads_name& name, AcDbObjectId id) {
    if (id.isNull())
        return Acad::eNullObjectId;
    name[0] = static_cast<Adesk::LongPtr>(reinterpret_cast<std::uintptr_t>(id.stub()));
    name[1] = 0;
    return Acad::eOk;
}

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name) {
    if (name == nullptr)
        return Acad::eInvalidAdsName;
    auto* stub = reinterpret_cast<AcDbStub*>(static_cast<std::uintptr_t>(name[0]));
    if (!hxhost::StubArena::isLive(stub))
        return Acad::eInvalidAdsName;
    id = AcDbObjectId(stub);
    return Acad::eOk;
}
