// AcDbMText::explode: one single-line text per line and per formatting run,
// with the run's height. Which exploded mtexts give an elevation sample is
// pinned through tests/elevation; where the pieces are placed no caller uses.
#include "HostTest.h"

#include "dbmtext.h"

#include <memory>
#include <string>
#include <vector>

namespace {

class MTextExplodeTest : public HostTest {
protected:
    // The pieces explode gives for contents at height 2 (owned by the result).
    static std::vector<std::unique_ptr<AcDbText>> explode(const ACHAR* contents) {
        AcDbMText mtext;
        mtext.setLocation({10, 20, 0});
        mtext.setTextHeight(2);
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
        {L"", {}},
        {L"\\P\\P", {}},                       // only empty lines
        {L"A\\P\\PB", {{L"A", 2}, {L"B", 2}}}, // an empty line gives no piece
        {L"{\\fArial;Top}", {{L"Top", 2}}},
        {L"a\\H3;b", {{L"a", 2}, {L"b", 3}}},
        {L"a{\\H2x;b}c", {{L"a", 2}, {L"b", 4}, {L"c", 2}}},
        {L"a\\C1;b", {{L"a", 2}, {L"b", 2}}},
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

TEST_F(MTextExplodeTest, NullContentsAreRefusedAndKeepTheOld) {
    AcDbMText mtext;
    ASSERT_EQ(mtext.setContents(L"keep"), Acad::eOk);
    EXPECT_EQ(mtext.setContents(nullptr), Acad::eInvalidInput);
    EXPECT_EQ(std::wstring(mtext.contentsConst()), L"keep");
}

} // namespace
