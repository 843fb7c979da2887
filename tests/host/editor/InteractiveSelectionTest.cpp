// Interactive acedSSGet driven by the scripted editor: picks, boxes,
// keywords, other input and the options of the mode string. Escape, misses
// and the prompts and keywords reaching the host are pinned through
// tests/selection.
#include "editor/SelectionFixture.h"

#include <string>

namespace {

using Ids = std::vector<AcDbObjectId>;

AcDbObjectId g_keywordAnswer;
std::wstring g_seen;

resbuf* keywordGivesEntity(const ACHAR* kw) {
    g_seen += kw;
    resbuf* rb = acutNewRb(RTENAME);
    acdbGetAdsName(rb->resval.rlname, g_keywordAnswer);
    return rb;
}

resbuf* otherCancels(const ACHAR* text) {
    g_seen += text;
    return acutNewRb(RTCAN);
}

short errnoValue() {
    resbuf rb{};
    acedGetVar(L"ERRNO", &rb);
    return rb.resval.rint;
}

} // namespace

TEST_F(SelectionTest, PicksAndBoxesUntilEnter) {
    drawThree();
    hxhost::queuePick(b);
    hxhost::queueCorners({-1, -1, 0}, {2, 2, 0}); // window: a
    hxhost::queueCorners({2, 2, 0}, {-1, -1, 0}); // crossing: a again, c
    hxhost::queueEnter();
    hxhost::queuePick(c); // left for the next request
    EXPECT_EQ(select(nullptr).ids, (Ids{b, a, c}));
    EXPECT_EQ(hxhost::pendingInput(), 1);
    EXPECT_EQ(hxhost::commandLine(), L"\nSelect objects: ");
    select(L":S");
    hxhost::queuePickAt({50, 50, 0}); // a miss
    hxhost::queueEnter();
    EXPECT_EQ(select(L"").rc, RTERROR);
    EXPECT_EQ(errnoValue(), 7);
    EXPECT_EQ(select(L"").rc, RTERROR); // script used up: as Enter
}

TEST_F(SelectionTest, OptionsOfTheModeString) {
    drawThree();
    hxhost::addLayer(L"LOCKED", true);
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, a, AcDb::kForWrite), Acad::eOk);
    ent->setLayer(L"LOCKED");
    ent->close();
    // The script of each row: picks of a (and b), a pick at the origin where a
    // and c overlap, a box, or the keyword text "L".
    enum Script { kPickAB, kPickAA, kPickA, kAtOrigin, kBox, kTextL };
    struct Row {
        const ACHAR* mode;
        Script script;
        int rc;
        int members;
    };
    const Row rows[] = {
        {L":S", kPickAB, RTNORM, 1}, // single selection stops after one pick
        {L":D", kPickAA, RTNORM, 2}, // duplicates kept
        {L"", kPickAA, RTNORM, 1},      {L":E", kAtOrigin, RTNORM, 2}, // all under the point
        {L"", kAtOrigin, RTNORM, 1},    {L":L", kPickA, RTERROR, 0},   // locked layer refused
        {L"+.", kBox, RTERROR, 0},                                     // points only: boxes refused
        {L"+L+.:S", kTextL, RTNORM, 1}, {L"+.:S", kTextL, RTERROR, 0},
        {L":C:P:$", kPickA, RTNORM, 1}};
    for (const Row& row : rows) {
        if (row.script == kPickAB || row.script == kPickAA || row.script == kPickA)
            hxhost::queuePick(a);
        if (row.script == kPickAB || row.script == kPickAA)
            hxhost::queuePick(row.script == kPickAB ? b : a);
        if (row.script == kAtOrigin)
            hxhost::queuePickAt({0, 0, 0});
        if (row.script == kBox)
            hxhost::queueCorners({-9, -9, 0}, {9, 9, 0});
        if (row.script == kTextL)
            hxhost::queueText(row.mode[1] == L'L' ? L"l" : L"L");
        hxhost::queueEnter();
        const ACHAR* prompts[2] = {L"\nadd: ", L"\nremove: "};
        const bool prompted = std::wstring(row.mode).find(L":$") != std::wstring::npos;
        Result r = select(row.mode, prompted ? prompts : nullptr);
        EXPECT_EQ(r.rc, row.rc) << row.mode;
        EXPECT_EQ(static_cast<int>(r.ids.size()), row.members) << row.mode;
        while (hxhost::pendingInput() > 0) // drop what the request left
            select(L":S");
    }
}

TEST_F(SelectionTest, KeywordAndOtherCallbacks) {
    drawThree();
    g_seen.clear();
    g_keywordAnswer = c;
    acedSSSetKwordCallbackPtr(keywordGivesEntity);
    acedSSSetOtherCallbackPtr(otherCancels);
    hxhost::queueText(L"add");
    hxhost::queueEnter();
    EXPECT_EQ(select(L":K:?", nullptr, L"Add Remove").ids, (Ids{c}));
    hxhost::queueText(L"what");
    EXPECT_EQ(select(L":K:?", nullptr, L"Add Remove").rc, RTCAN);
    hxhost::queueText(L"what");
    hxhost::queueEnter();
    EXPECT_EQ(select(L":K", nullptr, L"Add Remove").rc, RTERROR); // no other input taken
    EXPECT_EQ(g_seen, L"addwhat");
}

TEST_F(SelectionTest, PointGivenWithoutPromptsPicksThereWithoutAsking) {
    drawThree();
    const ads_point on = {5.5, 5.5, 0}, off = {40, 40, 0};
    hxhost::queueEscape();
    EXPECT_EQ(select(nullptr, on).ids, (Ids{b}));
    EXPECT_EQ(select(L":D", off).rc, RTERROR);
    EXPECT_EQ(hxhost::pendingInput(), 1);
    select(L":S");
}

// Picks, misses, Escape and keywords of acedEntSel as the product meets them
// are pinned through tests/selection (HxWtUserSingleSelect).
TEST_F(SelectionTest, EntSelEnterKeywordsAndUsedUpKeywords) {
    drawThree();
    ads_name ent;
    ads_point pt;
    hxhost::queueEnter();
    EXPECT_EQ(acedEntSel(L"\npick: ", ent, pt), RTERROR);
    EXPECT_EQ(errnoValue(), 52);
    acedInitGet(0, L"Undo Exit");
    hxhost::queueText(L"nope"); // not a keyword: asked again
    hxhost::queueText(L"exit");
    EXPECT_EQ(acedEntSel(L"", ent, pt), RTKWORD);
    ACHAR kw[16];
    EXPECT_EQ(acedGetInput(kw, 16), RTNORM);
    EXPECT_EQ(std::wstring(kw), L"exit");
    hxhost::queueText(L"exit"); // keywords were used up: ignored, then Escape
    hxhost::queueEscape();
    EXPECT_EQ(acedEntSel(L"", ent, pt), RTCAN);
    EXPECT_EQ(hxhost::commandLine(), L"\npick: ");
}
