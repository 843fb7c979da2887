// AcDbMText::explode: one single-line text per line and per formatting run,
// with the run's height, placed along the lines.
#include "HostTest.h"

#include "dbmtext.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

class MTextExplodeTest : public HostTest {
protected:
    // The pieces explode gives for contents at height 2 (owned by the result).
    static std::vector<std::unique_ptr<AcDbText>> explode(const ACHAR* contents,
                                                          double rotation = 0) {
        AcDbMText mtext;
        mtext.setLocation({10, 20, 0});
        mtext.setTextHeight(2);
        mtext.setRotation(rotation);
        mtext.setColorIndex(5);
        EXPECT_EQ(mtext.setContents(contents), Acad::eOk);
        AcDbVoidPtrArray parts;
        EXPECT_EQ(mtext.explode(parts), Acad::eOk);
        std::vector<std::unique_ptr<AcDbText>> pieces;
        for (int i = 0; i < parts.length(); ++i)
            pieces.emplace_back(static_cast<AcDbText*>(parts[i]));
        return pieces;
    }
};

struct Piece {
    const wchar_t* text;
    double height;
};

struct ExplodeCase {
    const wchar_t* contents;
    std::vector<Piece> pieces;
};

TEST_F(MTextExplodeTest, OnePiecePerLineAndFormattingRun) {
    const ExplodeCase cases[] = {
        {L"12.35", {{L"12.35", 2}}},
        {L"", {}},
        {L"\\P\\P", {}}, // only empty lines
        {L"{}", {}},     // an empty group
        {L"A\\PB", {{L"A", 2}, {L"B", 2}}},
        {L"A\\P\\PB", {{L"A", 2}, {L"B", 2}}}, // an empty line gives no piece
        {L"{\\fArial;Top}", {{L"Top", 2}}},
        {L"x{\\fArial;y}z", {{L"x", 2}, {L"y", 2}, {L"z", 2}}},
        {L"a\\H3;b", {{L"a", 2}, {L"b", 3}}},
        {L"a{\\H2x;b}c", {{L"a", 2}, {L"b", 4}, {L"c", 2}}},
        {L"a\\C1;b", {{L"a", 2}, {L"b", 2}}},
        {L"\\C1;red", {{L"red", 2}}}, // a code before any character
        {L"{\\fArial;高程}\\P3.5", {{L"高程", 2}, {L"3.5", 2}}},
        {L"a\\\\b\\{c\\}", {{L"a\\b{c}", 2}}}, // escaped characters are text
        {L"1\\~2", {{L"1 2", 2}}}};
    int k = 0;
    for (const ExplodeCase& c : cases) {
        SCOPED_TRACE("case " + std::to_string(k++));
        const auto pieces = explode(c.contents);
        ASSERT_EQ(pieces.size(), c.pieces.size());
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_EQ(std::wstring(pieces[i]->textStringConst()), c.pieces[i].text);
            EXPECT_DOUBLE_EQ(pieces[i]->height(), c.pieces[i].height);
            EXPECT_EQ(pieces[i]->colorIndex(), 5);
            EXPECT_TRUE(pieces[i]->objectId().isNull());
        }
    }
}

TEST_F(MTextExplodeTest, RunsFollowEachOtherLinesGoDownAndPiecesTakeTheRotation) {
    const auto pieces = explode(L"ab{\\fArial;c}\\Pd");
    ASSERT_EQ(pieces.size(), 3u);
    const AcGePoint3d first = pieces[0]->position();
    const AcGePoint3d second = pieces[1]->position();
    const AcGePoint3d third = pieces[2]->position();
    EXPECT_DOUBLE_EQ(second.y, first.y); // same base line
    EXPECT_GT(second.x, first.x);        // to the right of "ab"
    EXPECT_DOUBLE_EQ(third.x, first.x);  // next line starts at the left
    EXPECT_LT(third.y, first.y);         // below
    EXPECT_LT(first.y, 20.0);            // the first base line is under the top

    const double quarter = std::acos(-1.0) / 2;
    const auto turned = explode(L"a\\Pb", quarter);
    ASSERT_EQ(turned.size(), 2u);
    EXPECT_DOUBLE_EQ(turned[0]->rotation(), quarter);
    EXPECT_DOUBLE_EQ(turned[1]->rotation(), quarter);
    // Turned a quarter to the left, the next line lies to the right.
    EXPECT_GT(turned[1]->position().x, turned[0]->position().x);
    EXPECT_NEAR(turned[1]->position().y, turned[0]->position().y, 1e-9);

    AcDbMText mtext; // null contents are refused and keep the old
    ASSERT_EQ(mtext.setContents(L"keep"), Acad::eOk);
    EXPECT_EQ(mtext.setContents(nullptr), Acad::eInvalidInput);
    EXPECT_EQ(std::wstring(mtext.contentsConst()), L"keep");
}

} // namespace
