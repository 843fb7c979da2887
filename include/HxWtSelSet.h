// HxWtSelSet: one selection set of the host and the host's selection call,
// one member function per selection mode. HxWtUserSingleSelect: one entity
// picked through the base platform, asking again when a pick hits nothing.
//
// Ownership: the wrapper owns the set it holds; it frees it before every new
// selection, in clear() and in its destructor. Copying is not allowed (two
// wrappers would free one set). Filters, point arrays and callbacks stay the
// caller's. Nothing is printed except the host's own prompts; failures come
// back as SelSetStatus values or as silently skipped members.
#pragma once

#include "HxWtHost.h"

#include "HxAecGeometry.h"
#include "HxAecPlatform.h"
#include "HxList.h"

class HXWTUTILITY_API HxWtSelSet {
public:
    enum SelSetStatus { kSelected = 0, kNone = 1, kCanceled = 2, kRejected = 3 };
    typedef resbuf* (*Callback)(const wchar_t*);

    // Holds no set; status kCanceled; allowLast on, every other option off.
    HxWtSelSet();
    // Frees the set held.
    ~HxWtSelSet();
    HxWtSelSet(const HxWtSelSet&) = delete;
    HxWtSelSet& operator=(const HxWtSelSet&) = delete;

    // Selections. Each frees the set held first, stores and returns the new
    // status. filter (may be null) goes to acedSSGet unchanged.
    // Interactive, with the mode string of the options (no prompts).
    SelSetStatus userSelect(const resbuf* filter = nullptr);
    // Interactive with prompts; null or empty prompts take the defaults.
    SelSetStatus userSelect(const wchar_t* addPrompt, const wchar_t* removePrompt,
                            const resbuf* filter = nullptr);
    SelSetStatus impliedSelect(const resbuf* filter = nullptr);
    SelSetStatus crossingSelect(const AcGePoint3d& pt1, const AcGePoint3d& pt2,
                                const resbuf* filter = nullptr);
    // Polygon and fence: kCanceled without calling the host for an empty
    // array or when a result buffer cannot be made.
    SelSetStatus crossingPolygonSelect(const AcGePoint3dArray& points,
                                       const resbuf* filter = nullptr);
    SelSetStatus fenceSelect(const AcGePoint3dArray& points, const resbuf* filter = nullptr);
    SelSetStatus lastSelect(const resbuf* filter = nullptr);
    // The entity at pt, with the mode string of the options.
    SelSetStatus pointSelect(const AcGePoint3d& pt, const resbuf* filter = nullptr);
    SelSetStatus previousSelect(const resbuf* filter = nullptr);
    SelSetStatus windowSelect(const AcGePoint3d& pt1, const AcGePoint3d& pt2,
                              const resbuf* filter = nullptr);
    SelSetStatus windowPolygonSelect(const AcGePoint3dArray& points,
                                     const resbuf* filter = nullptr);
    SelSetStatus filterOnlySelect(const resbuf* filter = nullptr);
    SelSetStatus allSelect(const resbuf* filter = nullptr);
    SelSetStatus boxSelect(const AcGePoint3d& pt1, const AcGePoint3d& pt2,
                           const resbuf* filter = nullptr);

    // Frees the set held and makes an empty one: kSelected, or kCanceled when
    // the host refuses.
    SelSetStatus createEmptySet();
    // Members of the set held; 0 without one.
    Adesk::Int32 length();

    // Set edits; without a held set, or for an id that does not convert, they
    // do nothing. member is false then.
    void add(ads_name entity);
    void add(const AcDbObjectId& id);
    void remove(ads_name entity);
    void remove(const AcDbObjectId& id);
    bool member(ads_name entity);
    bool member(const AcDbObjectId& id);

    // The entity and sub-entity marker of member index; false when any piece
    // of the host's description is missing.
    bool subEntMarkerAt(long index, AcDbObjectId& id, int& gsMarker);
    // Append the members' ids (members that do not convert are skipped); the
    // outputs are not emptied first.
    void asArray(AcDbObjectIdArray& ids);
    void asList(HxList<AcDbObjectId>& ids);
    // The first member that converts; id is left alone without one.
    void asEnt(AcDbObjectId& id);
    // The two words of the held set's name (0, 0 without one).
    void asAdsName(ads_name out);
    SelSetStatus lastStatus();

    // Options of interactive selection (see setFlags in the source).
    void setAllowDuplicates(bool dups);
    void setAllAtPickBox(bool pickBox);
    void setAllowSingleOnly(bool single, bool allowLast);
    void setFilterLockedLayers(bool filterLocked);
    void setRejectNonCurrentSpace(bool reject);
    void setRejectPaperSpaceViewport(bool reject);
    // Keywords (blank-separated) and the callback that receives them; the
    // keywords text is copied.
    void setKeywordCallback(const wchar_t* keywords, Callback callback);
    void setOtherCallback(Callback callback);

private:
    bool isInitialized();
    void clear();
    SelSetStatus handleResult(int rc);
    void setFlags(bool hasPrompts);
    SelSetStatus select(const wchar_t* mode, const void* pt1, const void* pt2,
                        const resbuf* filter);
    SelSetStatus selectPoints(const wchar_t* mode, const AcGePoint3dArray& points,
                              const resbuf* filter);
    SelSetStatus interactive(const void* pt1, const resbuf* filter, bool hasPrompts);

    ads_name ss;
    SelSetStatus status;
    bool allowDuplicates;
    bool allAtPickBox;
    bool allowSingleOnly;
    bool allowLast;
    bool filterLockedLayers;
    bool rejectNonCurrentSpace;
    bool rejectPaperSpaceViewport;
    CString flags;
    CString keywords;
    Callback keywordCallback;
    Callback otherCallback;
};

// Picks one entity: asks HxAdsEnt::Select (text2 as its first string, text1
// as its second) until the pick hits something or ends otherwise. RTNORM with
// id set; RTKWORD for a keyword; RTCAN for Escape and every other failure.
HXWTUTILITY_API int HxWtUserSingleSelect(const wchar_t* text1, const wchar_t* text2,
                                         HxAdsRBList& filter, HxGePoint& point, AcDbObjectId& id);
