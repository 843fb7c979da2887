// AcRxDictionary: a runtime dictionary mapping names to runtime objects, as
// the host's system registry is one.
//
// The dictionary does not own its entries: atPut and remove hand back the
// object they displace, and whoever put an object in decides its lifetime.
// Keys are compared exactly (case matters). Lookups cost O(log n).
#pragma once

#include <map>
#include <string>

#include "rxobject.h"

#define HX_RX_API __attribute__((visibility("default")))

class HX_RX_API AcRxDictionary : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxDictionary);

    AcRxDictionary() = default;
    AcRxDictionary(const AcRxDictionary&) = delete;
    AcRxDictionary& operator=(const AcRxDictionary&) = delete;

    // The object under key; null when there is none or key is null.
    AcRxObject* at(const ACHAR* key) const;
    // Puts object under key. Returns the object it replaced, or null. A null
    // key or object stores nothing and returns null.
    AcRxObject* atPut(const ACHAR* key, AcRxObject* object);
    // Takes the entry out; returns its object, or null when there was none.
    AcRxObject* remove(const ACHAR* key);
    bool has(const ACHAR* key) const { return at(key) != nullptr; }
    Adesk::UInt32 numEntries() const { return static_cast<Adesk::UInt32>(m_entries.size()); }
    // Entries are never deleted by the dictionary.
    bool deletesObjects() const { return false; }

private:
    std::map<std::wstring, AcRxObject*> m_entries;
};
