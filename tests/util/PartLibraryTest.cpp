// Part-library lookups: which catalogue decides, the folders of the answers,
// and catalogues that are missing or unreadable.
#include "HostTest.h"
#include "TempTree.h"

#include <cstdlib>

#include "HxWtUtility.h"

namespace {

std::string item(const std::string& name, const std::string& file3d, const std::string& data) {
    return "<Item name=\"" + name + "\"" + (file3d.empty() ? "" : " file3d=\"" + file3d + "\"") +
           " datafile=\"" + data + "\"/>";
}

std::string dml(const std::string& items) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DwgLib><Directory>" + items +
           "</Directory></DwgLib>\n";
}

class PartLibraryTest : public HostTest {
protected:
    void SetUp() override {
        m_tree.write("DwgLib/ValveLib/SysLib.dml",
                     dml(item("Both", "SysBoth.obj", "b.dxf") + item("BothEmpty", "", "e.dxf") +
                         item("SysOnly", "Sys.obj", "GateValve.dxf")));
        m_tree.write("DwgLib/ValveLib/MyLib.dml",
                     dml(item("Both", "MyBoth.obj", "b.dxf") +
                         item("BothEmpty", "My.obj", "e.dxf") + item("MyOnly", "My.obj", "m.dxf") +
                         item("NoModel", "", "n.dxf")));
        m_tree.write("DwgLib/OtherAttLib/SysLib.dml", "<DwgLib><Item name=\"Broken\"></DwgLib>");
        m_tree.write("DwgLib/OtherAttLib/MyLib.dml", dml(item("Broken", "Att.obj", "a.dxf")));
        ::setenv("HXWT_MAIN_DIR", m_tree.path().c_str(), 1);
        m_root = CString(std::filesystem::path(m_tree.path()).wstring().c_str()) + L"\\DwgLib\\";
    }
    void TearDown() override {
        ::unsetenv("HXWT_MAIN_DIR");
        HostTest::TearDown();
    }
    TempTree m_tree{"partlib"};
    CString m_root;
};

TEST_F(PartLibraryTest, TheSystemCatalogueDecidesWhenItHasTheName) {
    const struct {
        const wchar_t* name;
        CString valve;
        CString other;
    } cases[] = {
        {L"Both", m_root + L"Valve3dLib\\SysLib\\SysBoth.obj", L""},
        {L"BothEmpty", L"", L""},
        {L"SysOnly", m_root + L"Valve3dLib\\SysLib\\Sys.obj", L""},
        {L"MyOnly", m_root + L"Valve3dLib\\SysLib\\My.obj", L""},
        {L"NoModel", L"", L""},
        {L"Broken", L"", m_root + L"OtherAtt3dLib\\MyLib\\Att.obj"},
        {L"both", L"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HxWtGetValve3dFileName(c.name), c.valve) << c.name;
        EXPECT_EQ(HxWtGetOtherAtt3dFileName(c.name), c.other) << c.name;
    }
    ::setenv("HXWT_MAIN_DIR", m_tree.path("none").c_str(), 1);
    EXPECT_EQ(HxWtGetValve3dFileName(L"Both"), L"");
}

TEST_F(PartLibraryTest, DrawingFilesComeFromTheFolderOfTheLibrary) {
    const CString valves = m_root + L"valvelib"; // as written on the host
    const struct {
        CString libDir;
        const wchar_t* name;
        int result;
        CString path;
    } cases[] = {
        {valves, L"SysOnly", 1, valves + L"\\SysLib\\GateValve.dxf"},
        {valves, L"MyOnly", 0, L"untouched"},
        {m_root + L"OtherAttLib", L"Broken", 0, L"untouched"},
        {m_root + L"Valve3dLib", L"SysOnly", 0, L"untouched"},
    };
    for (const auto& c : cases) {
        CString path = L"untouched";
        EXPECT_EQ(HxWtGetDwgLibFilePath(c.libDir, c.name, path), c.result) << c.name;
        EXPECT_EQ(path, c.path) << c.name;
    }
}

} // namespace
