// Refused drawing-file reads and writes: the database and the target file
// stay as they were, no temporary file is left, and the error names the file.
#include "dxf/DxfDrawing.h"

#include "hxhost/DxfFile.h"
#include "hxhost/HostControl.h"

namespace {

TEST_F(DxfTest, RefusedReadAndWriteLeaveEverythingAsItWas) {
    const std::string path = tempFile("fault.dxf");
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    ASSERT_EQ(db->saveAs(wide(path).c_str(), false), Acad::eOk);
    const std::string before = slurp(path);
    struct Case {
        const char* operation;
        bool write;
    };
    for (const Case& c :
         {Case{hxhost::kFaultReadFile, false}, Case{hxhost::kFaultSaveAs, true}}) {
        hxhost::failNext(c.operation);
        hxhost::addToModelSpace(new AcDbLine({0, 0, 0}, {1, 1, 0}));
        const Acad::ErrorStatus es =
            c.write ? db->saveAs(wide(path).c_str(), false) : db->readDwgFile(wide(path).c_str());
        EXPECT_EQ(es, Acad::eFileAccessErr) << c.operation;
        EXPECT_EQ(hxhost::lastFileError().rfind(path + ":0: ", 0), 0u) << hxhost::lastFileError();
        EXPECT_EQ(slurp(path), before) << c.operation;
        EXPECT_FALSE(std::ifstream(path + ".hxtmp").good()) << c.operation;
    }
}

} // namespace
