// HxWtPointElevUtility: collecting the samples from the drawing's tagged
// annotations.
#include "HxWtPointElevUtility.h"
#include "HxWtSelSet.h"

#include "HxAecDbObject.h"
#include "HxDbObjectIdList.h"
#include "dbmtext.h"

#include <cwchar>

namespace {

const wchar_t* const kTagApplication = L"HxSZ_BGWZ";

// The runtime's wide-text-to-double conversion (_wtof).
double wideToDouble(const wchar_t* text) {
    return std::wcstod(text, nullptr);
}

// A multi-line text's candidate: the text of its one piece.
bool mtextCandidate(const AcDbMText& mtext, std::wstring& text) {
    AcDbVoidPtrArray pieces;
    mtext.explode(pieces);
    bool found = false;
    if (pieces.length() == 1) {
        const AcDbText* piece = AcDbText::cast(static_cast<AcDbEntity*>(pieces[0]));
        found = piece != nullptr;
        if (found)
            text = piece->textStringConst();
    }
    ReleaseEntSet(pieces);
    return found;
}

// A block reference's candidate: its one attribute's text.
bool blockCandidate(const AcDbBlockReference& ref, std::wstring& text) {
    AcDbObjectIterator* it = ref.attributeIterator();
    if (it == nullptr)
        return false;
    int count = 0;
    AcDbObjectId only;
    for (it->start(); !it->done(); it->step()) {
        only = it->objectId();
        ++count;
    }
    delete it;
    if (count != 1)
        return false;
    AcDbAttribute* attribute = nullptr;
    if (acdbOpenObject(attribute, only, AcDb::kForRead) != Acad::eOk)
        return false;
    text = attribute->textStringConst();
    attribute->close();
    return true;
}

// The candidate text and position of an annotation; false for other kinds
// and annotations that give no sample.
bool candidate(const AcDbEntity* ent, std::wstring& text, AcGePoint3d& position) {
    if (const AcDbText* t = AcDbText::cast(ent)) {
        text = t->textStringConst();
        position = t->position();
        return true;
    }
    if (const AcDbMText* m = AcDbMText::cast(ent)) {
        position = m->location();
        return mtextCandidate(*m, text);
    }
    if (const AcDbBlockReference* ref = AcDbBlockReference::cast(ent)) {
        position = ref->position();
        return blockCandidate(*ref, text);
    }
    if (const HxDbSymbElevation* symbol = HxDbSymbElevation::cast(ent)) {
        const wchar_t* shown = symbol->GetElevationText();
        text = shown != nullptr ? shown : L"";
        position = symbol->GetLocation();
        return true;
    }
    return false;
}

} // namespace

void HxWtPointElevUtility::LoadElevation() {
    resbuf* filter = acutBuildList(1001, kTagApplication, 0);
    HxWtSelSet set;
    set.filterOnlySelect(filter);
    acutRelRb(filter);
    HxDbObjectIdList ids;
    set.asList(ids);
    for (AcDbObjectId* id = ids.FirstPos(); id != nullptr; id = ids.NextPos(id)) {
        AcDbEntity* ent = nullptr;
        if (acdbOpenObject(ent, *id, AcDb::kForRead) != Acad::eOk)
            continue;
        std::wstring text;
        AcGePoint3d position;
        if (candidate(ent, text, position) && IsNumber(text.c_str()) == 1)
            m_samples.append(AcGePoint3d(position.x, position.y, wideToDouble(text.c_str())));
        ent->close();
    }
}

int HxWtPointElevUtility::IsNumber(const wchar_t* text) {
    if (lstrlenW(text) < 1)
        return 0;
    ads_real value = 0.0;
    return acdbDisToF(text, 2, &value) == RTNORM ? 1 : 0;
}
