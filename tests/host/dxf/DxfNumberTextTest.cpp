// Numbers and group codes in the forms files write them and in the rarer
// forms other writers use: every form reads to the value the C library's
// reader gives, bit for bit, and malformed ones are refused with their line.
#include "dxf/DxfDrawing.h"

#include "dbents.h"
#include "hxhost/DxfFile.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

class DxfNumberText : public DxfTest {
protected:
    // Reads a file whose one CIRCLE has the given code line for its centre's
    // x and that value; the centre's x, or NaN when the read failed.
    double readCentreX(const std::string& codeLine, const std::string& value) {
        const std::string path = tempFile("number.dxf");
        spit(path, "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  0\nENDSEC\n"
                   "  0\nSECTION\n  2\nENTITIES\n  0\nCIRCLE\n" +
                       codeLine + "\n" + value + "\n 40\n1.0\n  0\nENDSEC\n  0\nEOF\n");
        AcDbDatabase read(false, true);
        if (read.readDwgFile(wide(path).c_str()) != Acad::eOk)
            return std::nan("");
        AcDbBlockTable* table = nullptr;
        AcDbBlockTableRecord* space = nullptr;
        read.getBlockTable(table);
        table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForRead);
        table->close();
        AcDbBlockTableRecordIterator* it = nullptr;
        space->newIterator(it);
        double x = std::nan("");
        AcDbEntity* ent = nullptr;
        if (!it->done() && it->getEntity(ent, AcDb::kForRead) == Acad::eOk) {
            if (auto* circle = AcDbCircle::cast(ent))
                x = circle->center().x;
            ent->close();
        }
        delete it;
        space->close();
        return x;
    }
};

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(DxfNumberText, ValuesReadAsTheLibraryReadsThem) {
    const char* const values[] = {"0.0",
                                  "-0.0",
                                  "10.0",
                                  "0.35",
                                  "3.25",
                                  "-12.5",
                                  ".5",
                                  "5.",
                                  "0.1",
                                  "123456789012345",
                                  "1234567890123456",
                                  "0.123456789012345",
                                  "0.1234567890123456789",
                                  "9007199254740993",
                                  "1e3",
                                  "-2.5E-3",
                                  "+7.25",
                                  " 4.5 ",
                                  "0000000000000000001.5",
                                  "1.7976931348623157e308"};
    for (const char* value : values) {
        const double expected = std::strtod(value, nullptr);
        const double x = readCentreX(" 10", value);
        EXPECT_TRUE(sameBits(x, expected)) << value << " read as " << x;
    }
}

TEST_F(DxfNumberText, CodeLinesInEveryFormAndMalformedValuesRefused) {
    const struct {
        const char* codeLine;
        const char* value;
        bool reads;
    } cases[] = {{" 10", "2.0", true},    {"10", "2.0", true},
                 {"010", "2.0", true},    {" 10\r", "2.0\r", true},
                 {" 10 ", "2.0", true},   {"\t10", "2.0", true},
                 {"000010", "2.0", true}, {"0000010", "2.0", true},
                 {"1x", "2.0", false},    {" 10", "1.2.3", false},
                 {" 10", "-", false},     {" 10", ".", false},
                 {" 10", "", false},      {" 10", "1e999", false},
                 {"99999", "2.0", false}, {" 10", "12345678901234567890", true}};
    for (const auto& c : cases) {
        const double x = readCentreX(c.codeLine, c.value);
        EXPECT_EQ(!std::isnan(x), c.reads) << "'" << c.codeLine << "' '" << c.value << "'";
        if (c.reads && std::strcmp(c.value, "2.0") == 0) {
            EXPECT_EQ(x, 2.0) << c.codeLine;
        }
    }
}

} // namespace
