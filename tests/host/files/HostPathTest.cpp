// Host paths: separators, case-insensitive lookup component by component, and
// drawing files opened through them (binary drawings refused by content).
#include "DrawingFixture.h"
#include "TempTree.h"

#include "hxhost/DxfFile.h"
#include "hxhost/HostPath.h"

namespace {

TEST(HostPath, ResolvesEachComponentWithoutRegardToCase) {
    TempTree tree("path");
    tree.write("DwgLib/ValveLib/SysLib/GateValve.dxf", "x");
    tree.write("DwgLib/ValveLib/SysLib.dml", "x");
    tree.write("Twin/a.txt", "x");
    tree.write("Twin/A.txt", "x");
    const std::string root = tree.path();
    const struct {
        std::string given;
        std::string expected;
    } cases[] = {
        {root + "\\DwgLib\\ValveLib\\SysLib.dml", root + "/DwgLib/ValveLib/SysLib.dml"},
        {root + "\\dwglib\\VALVELIB\\syslib\\gatevalve.DXF",
         root + "/DwgLib/ValveLib/SysLib/GateValve.dxf"},
        // A new file in an existing folder keeps its given name.
        {root + "\\DWGLIB\\New.dxf", root + "/DwgLib/New.dxf"},
        // From the first component that matches nothing, the rest is as given.
        {root + "\\None\\valvelib\\x", root + "/None/valvelib/x"},
        // An exact match wins; else the first in name order.
        {root + "/Twin/a.txt", root + "/Twin/a.txt"},
        {root + "/twin/a.TXT", root + "/Twin/A.txt"},
        {root + "\\DwgLib\\", root + "/DwgLib/"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hxhost::hostPath(c.given), c.expected) << c.given;
    EXPECT_EQ(hxhost::hostPath(static_cast<const wchar_t*>(nullptr)), "");
    EXPECT_EQ(hxhost::hostPath(L"\u95F8\\a"), "\xE9\x97\xB8/a");
}

class HostPathDrawing : public DrawingTest {};

TEST_F(HostPathDrawing, DrawingFilesOpenByHostPathAndRefuseBinaryOnes) {
    TempTree tree("dwg");
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    hxhost::addToModelSpace(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
    const std::string folder = tree.path("Lib");
    std::filesystem::create_directories(folder);
    const std::wstring wideRoot = std::filesystem::path(tree.path()).wstring();
    ASSERT_EQ(db->saveAs((wideRoot + L"\\LIB\\Valve.dxf").c_str(), false), Acad::eOk);
    EXPECT_TRUE(std::filesystem::exists(folder + "/Valve.dxf"));
    AcDbDatabase read(false, false);
    EXPECT_EQ(read.readDwgFile((wideRoot + L"\\lib\\VALVE.DXF").c_str()), Acad::eOk);
    EXPECT_EQ(hxhost::objectCount(&read), hxhost::objectCount(db));

    for (const char* binary : {"AC1015\x01\x02\x00\x00", "AutoCAD Binary DXF\r\n\x1a"}) {
        const std::string path = tree.write("Lib/Binary.dxf", binary);
        EXPECT_EQ(read.readDwgFile(std::filesystem::path(path).wstring().c_str()),
                  Acad::eInvalidDwgVersion);
        EXPECT_EQ(hxhost::lastFileError(), path + ":1: expected an ASCII DXF drawing, found a "
                                                  "binary drawing (DWG or binary DXF)");
    }
}

} // namespace
