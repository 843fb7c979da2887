// Malformed and truncated DXF files: a clear error with file and line, the
// target database unchanged, the file on disk untouched, never a crash.
// Entities of kinds the stand-in does not hold are reported by file and line
// and left out; tests/tools pins that through the copy command.
#include "dxf/DxfDrawing.h"

#include "hxhost/DxfFile.h"

namespace {

class DxfRejection : public DxfTest {
protected:
    // Reads text as a file into a database holding one line; expects failure.
    void expectRejected(const std::string& text, const std::string& message) {
        const std::string path = tempFile("bad.dxf");
        spit(path, text);
        AcDbDatabase target;
        hxhost::addToModelSpace(new AcDbLine({0, 0, 0}, {1, 1, 1}), &target);
        const int before = hxhost::objectCount(&target);
        const Acad::ErrorStatus es = target.readDwgFile(wide(path).c_str());
        EXPECT_NE(es, Acad::eOk) << message;
        EXPECT_EQ(hxhost::objectCount(&target), before);
        EXPECT_EQ(slurp(path), text);
        EXPECT_EQ(hxhost::lastFileError().rfind(path + ":", 0), 0u) << hxhost::lastFileError();
        EXPECT_NE(hxhost::lastFileError().find(message), std::string::npos)
            << hxhost::lastFileError();
    }
};

// A file of the given version whose ENTITIES section holds body.
std::string dxfFile(const std::string& body, const char* version = "AC1015") {
    return std::string("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\n") + version +
           "\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n" + body + "  0\nENDSEC\n  0\nEOF\n";
}

TEST_F(DxfRejection, MalformedFilesNameTheLineAndWhatWasExpected) {
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"", ":1: expected a DXF drawing"},
        {dxfFile("", "AC1009"), ":7: expected a drawing of AC1015"},
        {"abc\nSECTION\n", ":1: expected a group code, found 'abc'"},
        {dxfFile("  0\nCIRCLE\n  5\n2F\n 10\nx1\n"), ":19: expected a number for group code 10"},
        {dxfFile("  0\nINSERT\n  5\n2F\n  2\nNOPE\n"), ":15: expected the block 'NOPE'"},
        {dxfFile("  0\nLINE\n  5\n2F\n  0\nLINE\n  5\n2F\n"), "handle 2F used twice"},
        {dxfFile("  0\nTEXT\n  5\n2F\n 72\n65\n"),
         ":19: expected a horizontal alignment of 0 to 5"},
        {dxfFile("  0\nTEXT\n  5\n2F\n 73\n-1\n"), ":19: expected a vertical alignment of 0 to 3"}};
    for (const auto& c : cases)
        expectRejected(c.text, c.message);
}

TEST_F(DxfRejection, EveryTruncationOfAValidFileIsRejectedCleanly) {
    fillDrawing();
    const std::string path = tempFile("whole.dxf");
    ASSERT_EQ(db()->saveAs(wide(path).c_str(), false), Acad::eOk);
    const std::string whole = slurp(path);
    // Cut after every few lines (and inside lines): no cut reads as a drawing.
    for (std::size_t cut = 0; cut + 1 < whole.size(); cut += 37) {
        const std::string text = whole.substr(0, cut);
        const std::string part = tempFile("part.dxf");
        spit(part, text);
        AcDbDatabase target(false, false);
        EXPECT_NE(target.readDwgFile(wide(part).c_str()), Acad::eOk) << "cut at " << cut;
        EXPECT_FALSE(hxhost::lastFileError().empty());
        EXPECT_EQ(hxhost::objectCount(&target), 3);
    }
}

TEST_F(DxfRejection, MissingFileAndBadArguments) {
    AcDbDatabase target(false, false);
    EXPECT_EQ(target.readDwgFile(L"/nonexistent/none.dxf"), Acad::eFileNotFound);
    EXPECT_EQ(target.readDwgFile(nullptr), Acad::eInvalidInput);
    EXPECT_EQ(target.saveAs(nullptr), Acad::eInvalidInput);
    EXPECT_EQ(target.saveAs(L"/tmp/x.dxf", false, AcDb::kDHL_Unknown), Acad::eInvalidDwgVersion);
}

} // namespace
