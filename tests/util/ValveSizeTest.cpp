// Valve size markers: in the block of an inserted valve and in valve drawing
// files, read and written, with the failure rows of both forms.
#include "TempTree.h"
#include "UtilDrawingTest.h"

#include "hxhost/HostControl.h"

namespace {

constexpr double kUntouched = -1;

class ValveSizeTest : public UtilDrawingTest {
protected:
    // A marker line at `at` with the texts given (null: no entry).
    static AcDbEntity* marker(AcGePoint3d at, const wchar_t* length, const wchar_t* height) {
        resbuf* chain = nullptr;
        if (length != nullptr && height != nullptr)
            chain =
                acutBuildList(1001, L"VLength", 1000, length, 1001, L"VHeight", 1000, height, 0);
        else if (length != nullptr)
            chain = acutBuildList(1001, L"VLength", 1000, length, 0);
        auto* line = new AcDbLine(at, at);
        if (chain != nullptr) {
            acdbRegApp(L"VLength");
            acdbRegApp(L"VHeight");
            line->setXData(chain);
            acutRelRb(chain);
        }
        return line;
    }
    // A block holding the entities (in order) and a reference to it at `at`.
    static AcDbObjectId insertValve(AcGePoint3d at, std::initializer_list<AcDbEntity*> entities,
                                    std::vector<AcDbObjectId>* ids = nullptr) {
        AcDbBlockTable* table = nullptr;
        db()->getBlockTable(table, AcDb::kForWrite);
        auto* block = new AcDbBlockTableRecord;
        block->setName((L"V" + std::to_wstring(++s_blocks)).c_str());
        AcDbObjectId blockId;
        table->add(blockId, block);
        table->close();
        for (AcDbEntity* e : entities) {
            AcDbObjectId id;
            block->appendAcDbEntity(id, e);
            e->close();
            if (ids != nullptr)
                ids->push_back(id);
        }
        block->close();
        return hxhost::addToModelSpace(new AcDbBlockReference(at, blockId));
    }
    static inline int s_blocks = 0;
};

TEST_F(ValveSizeTest, ReadsTheFirstMarkerAtTheReferencesPosition) {
    const AcGePoint3d p(100, 50, 0);
    std::vector<AcDbObjectId> erasedFirst;
    const AcDbObjectId erased =
        insertValve(p, {marker(p, L"1", L"1"), marker(p, L"230", L"300")}, &erasedFirst);
    eraseObject(erasedFirst[0]);
    const struct {
        const char* name;
        AcDbObjectId ref;
        int result;
        double length, height;
    } cases[] = {
        {"marker",
         insertValve(p, {new AcDbLine(p, p + AcGeVector3d(10, 0, 0)), marker(p, L"230", L"300")}),
         1, 230, 300},
        {"within tolerance", insertValve(p, {marker(p + AcGeVector3d(1e-12, 0, 0), L"2", L"3")}), 1,
         2, 3},
        {"first of two", insertValve(p, {marker(p, L"1.5", L"2.5"), marker(p, L"9", L"9")}), 1, 1.5,
         2.5},
        {"erased marker skipped", erased, 1, 230, 300},
        {"length only", insertValve(p, {marker(p, L"215.5", nullptr)}), 1, 215.5, 0},
        {"no xdata", insertValve(p, {marker(p, nullptr, nullptr)}), 1, 0, 0},
        {"marker elsewhere", insertValve(p, {marker(AcGePoint3d(0, 0, 0), L"1", L"1")}), 1,
         kUntouched, kUntouched},
        {"not a block reference", addLine(), 0, kUntouched, kUntouched},
        {"null id", AcDbObjectId(), 0, kUntouched, kUntouched},
    };
    for (const auto& c : cases) {
        double length = kUntouched, height = kUntouched;
        EXPECT_EQ(HxWtGetValveSizeData(c.ref, length, height), c.result) << c.name;
        EXPECT_EQ(length, c.length) << c.name;
        EXPECT_EQ(height, c.height) << c.name;
    }
    // The block does not open: 1, nothing read.
    hxhost::failNext(hxhost::kFaultOpen, 1, 1);
    double length = kUntouched, height = kUntouched;
    EXPECT_EQ(HxWtGetValveSizeData(cases[0].ref, length, height), 1);
    EXPECT_EQ(length, kUntouched);
}

TEST_F(ValveSizeTest, WritesOnlyAnExistingMarker) {
    const AcGePoint3d p(5, 5, 0);
    std::vector<AcDbObjectId> ids;
    const AcDbObjectId valve = insertValve(p, {marker(p, nullptr, nullptr)}, &ids);
    EXPECT_EQ(HxWtSetValveSizeData(valve, 215.5, 1e7), 1);
    EXPECT_EQ(dumpXdata(ids[0]), L"1001:VLength 1000:215.5 1001:VHeight 1000:1e+07");

    const AcDbObjectId bare =
        insertValve(p, {marker(AcGePoint3d(0, 0, 0), nullptr, nullptr)}, &ids);
    EXPECT_EQ(HxWtSetValveSizeData(bare, 1, 2), 1);
    EXPECT_EQ(dumpXdata(ids[1]), L"");
    EXPECT_EQ(HxWtSetValveSizeData(addLine(), 1, 2), 0);
}

class ValveFileTest : public ValveSizeTest {
protected:
    // Saves a valve drawing with its base point at base, a symbol line and,
    // when wanted, a marker there; returns its path.
    std::string saveValve(const char* name, AcGePoint3d base, bool withMarker) {
        AcDbDatabase side(true, false);
        side.setInsbase(base);
        hxhost::addToModelSpace(new AcDbLine(base, base + AcGeVector3d(10, 5, 0)), &side);
        if (withMarker) {
            const AcDbObjectId id = hxhost::addToModelSpace(new AcDbLine(base, base), &side);
            wchar_t app[] = L"VLength";
            HxWtSetXdata(id, app, L"230", &side);
        }
        const std::string path = m_tree.path(name);
        EXPECT_EQ(side.saveAs(wide(path).c_str(), false), Acad::eOk);
        return path;
    }
    static std::wstring wide(const std::string& path) {
        return std::filesystem::path(path).wstring();
    }
    TempTree m_tree{"valvefile"};
};

TEST_F(ValveFileTest, ReadsAndRewritesTheMarkerAtTheBasePoint) {
    const std::string path = saveValve("Gate.dxf", AcGePoint3d(100, 200, 0), true);
    const CString hostPath = CString(wide(m_tree.path()).c_str()) + L"\\GATE.DXF";
    double length = kUntouched, height = kUntouched;
    EXPECT_EQ(HxWtGetValveSizeData(hostPath, length, height), 1);
    EXPECT_EQ(length, 230);
    EXPECT_EQ(height, 0);

    EXPECT_EQ(HxWtSetValveSizeData(hostPath, 180, 260.5), 1);
    EXPECT_EQ(HxWtGetValveSizeData(hostPath, length, height), 1);
    EXPECT_EQ(length, 180);
    EXPECT_EQ(height, 260.5);
    AcDbDatabase reread(false, false);
    ASSERT_EQ(reread.readDwgFile(wide(path).c_str()), Acad::eOk);
    EXPECT_EQ(reread.insbase(), AcGePoint3d(100, 200, 0));
    EXPECT_EQ(hxhost::objectCount(&reread, false) > 0, true);
}

TEST_F(ValveFileTest, FailureRowsLeaveTheFileAsItWas) {
    const std::string path = saveValve("Valve.dxf", AcGePoint3d(0, 0, 0), false);
    const std::string saved = m_tree.read("Valve.dxf");
    const std::string padded = saved + "\n\n"; // the rewrite drops the blank lines
    const struct {
        const char* name;
        const char* fault;
        std::string after;
    } rows[] = {
        {"no marker: rewritten", nullptr, saved},
        {"copy refused: not saved", hxhost::kFaultWblock, padded},
        {"save refused: not saved", hxhost::kFaultSaveAs, padded},
    };
    for (const auto& row : rows) {
        m_tree.write("Valve.dxf", padded);
        if (row.fault != nullptr)
            hxhost::failNext(row.fault);
        EXPECT_EQ(HxWtSetValveSizeData(CString(wide(path).c_str()), 1, 2), 1) << row.name;
        EXPECT_TRUE(m_tree.read("Valve.dxf") == row.after) << row.name;
        EXPECT_FALSE(std::filesystem::exists(path + ".hxtmp")) << row.name;
    }
    const CString missing(wide(m_tree.path("None.dxf")).c_str());
    double length = kUntouched, height = kUntouched;
    EXPECT_EQ(HxWtGetValveSizeData(missing, length, height), 1);
    EXPECT_EQ(length, kUntouched);
    EXPECT_EQ(HxWtSetValveSizeData(missing, 1, 2), 0);
    EXPECT_FALSE(std::filesystem::exists(m_tree.path("None.dxf")));
    m_tree.write("Bad.dxf", "  0\nSECTION\n");
    EXPECT_EQ(HxWtSetValveSizeData(CString(wide(m_tree.path("Bad.dxf")).c_str()), 1, 2), 0);
    EXPECT_EQ(m_tree.read("Bad.dxf"), "  0\nSECTION\n");
}

} // namespace
