// The product's base module HxAecPlatform: interactive picking of one entity.
#pragma once

#include "HxAecGeometry.h"
#include "HxDynArray.h"
#include "adsdef.h"
#include "dbid.h"

#ifndef HXAECPLATFORM_API
#define HXAECPLATFORM_API __declspec(dllimport)
#endif

// One item of a selection filter: a DXF group code and its value as text.
struct HxAdsRBItem {
    int code = 0;
    const wchar_t* text = nullptr;
};

// A list of selection-filter items, passed to the host's pick unchanged.
class HXAECPLATFORM_API HxAdsRBList {
public:
    HxAdsRBList();
    HxAdsRBList(const HxAdsRBList& other);
    HxAdsRBList& operator=(const HxAdsRBList& other);
    ~HxAdsRBList();

    // Appends a filter item; the text is copied.
    void Add(int code, const wchar_t* text);
    int Count() const;
    // A new result-buffer chain of the items (caller releases), null when empty.
    struct resbuf* BuildFilter() const;

private:
    struct Impl;
    Impl* m_impl;
};

// Picks one entity with the host's entity selection. Needs no destruction.
class HXAECPLATFORM_API HxAdsEnt {
public:
    HxAdsEnt();

    // Prompts with s1 (and s2 for keywords), filters with `filter` and returns
    // a host result code: RTNORM when an entity was picked (point receives the
    // picked point), RTERROR for a failed pick ("errno" tells why), RTKWORD for
    // a keyword; anything else is a cancel.
    int Select(const wchar_t* s1, const wchar_t* s2, const HxAdsRBList& filter, HxGePoint& point);
    // The picked entity, after Select returned RTNORM.
    AcDbObjectId GetObjectId() const { return m_id; }

private:
    AcDbObjectId m_id;
};
