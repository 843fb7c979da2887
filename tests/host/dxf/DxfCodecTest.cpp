// Custom entities through DXF files: the codec registry, writing a custom
// entity as a standard entity with xdata, reading it back, and the findings
// for what a codec cannot write or make. The product's own codecs and their
// values are pinned through tests/peers.
#include "ChainText.h"
#include "dxf/DxfDrawing.h"

#include "hxhost/DxfCodec.h"
#include "hxhost/DxfFile.h"

#include <algorithm>
#include <memory>

// A test-only custom entity (outside the anonymous namespace: its class
// descriptor's rxInit is part of the class interface).
namespace dxfcodectest {

// A test-only custom entity: a valve at a point with a diameter.
class TestValve : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(TestValve);
    TestValve() = default;
    TestValve(const AcGePoint3d& at, double diameter) : m_at(at), m_diameter(diameter) {}
    AcGePoint3d at() const { return m_at; }
    double diameter() const { return m_diameter; }

private:
    AcGePoint3d m_at;
    double m_diameter = 0;
};

ACRX_DXF_DEFINE_MEMBERS(TestValve, AcDbEntity, AcDb::kDHL_CURRENT, 0, 0, TESTVALVE, HxTest)

} // namespace dxfcodectest

namespace {

using dxfcodectest::TestValve;

constexpr const ACHAR* kValveApp = L"HXTEST_VALVE";

// Shows a valve as a circle of its diameter; its data is the diameter again
// and a label, then one item of every other kind (not read back). A valve
// without diameter cannot be shown.
class ValveCodec : public hxhost::DxfCustomCodec {
public:
    const AcRxClass* customClass() const override { return TestValve::desc(); }
    const ACHAR* appName() const override { return kValveApp; }
    AcDbEntity* makeStandard(const AcDbEntity& custom) const override {
        const auto& valve = static_cast<const TestValve&>(custom);
        if (valve.diameter() <= 0)
            return nullptr;
        return new AcDbCircle(valve.at(), AcGeVector3d::kZAxis, valve.diameter() / 2);
    }
    resbuf* makeXData(const AcDbEntity& custom) const override {
        const auto& valve = static_cast<const TestValve&>(custom);
        static const ads_real kPoint[3] = {1.5, -2, 1e20};
        static ads_binary chunk{2, const_cast<char*>("\x00\xfe")};
        return acutBuildList(1001, kValveApp, 1000, L"valve", 1040, valve.diameter(), 1002, L"{",
                             1003, L"0", 1004, &chunk, 1005, L"2F", 1010, kPoint, 1013, kPoint,
                             1041, 0.1 + 0.2, 1042, 7.0, 1070, -4, 1071, 70000, 1000, L"阀门", 1002,
                             L"}", 0);
    }
    AcDbEntity* makeCustom(const AcDbEntity& shown, const resbuf* app) const override {
        const AcDbCircle* circle = AcDbCircle::cast(&shown);
        if (circle == nullptr || app == nullptr || app->rbnext == nullptr)
            return nullptr;
        const resbuf* diameter = app->rbnext->rbnext;
        if (diameter == nullptr || diameter->restype != 1040)
            return nullptr;
        return new TestValve(circle->center(), diameter->resval.rreal);
    }
};

// A codec that only names a class and an application.
class NameCodec : public hxhost::DxfCustomCodec {
public:
    NameCodec(const AcRxClass* cls, const ACHAR* app) : m_cls(cls), m_app(app) {}
    const AcRxClass* customClass() const override { return m_cls; }
    const ACHAR* appName() const override { return m_app; }
    AcDbEntity* makeStandard(const AcDbEntity&) const override { return nullptr; }
    resbuf* makeXData(const AcDbEntity&) const override { return nullptr; }
    AcDbEntity* makeCustom(const AcDbEntity&, const resbuf*) const override { return nullptr; }

private:
    const AcRxClass* m_cls;
    const ACHAR* m_app;
};

class DxfCodecTest : public DxfTest {
protected:
    void SetUp() override {
        DxfTest::SetUp();
        ASSERT_TRUE(hxhost::registerDxfCodec(std::make_unique<ValveCodec>()));
    }
    void TearDown() override {
        hxhost::unregisterDxfCodec(TestValve::desc());
        hxhost::unregisterDxfCodec(AcDbLine::desc());
        DxfTest::TearDown();
    }

    // Saves the working drawing and reads it into a new database.
    std::unique_ptr<AcDbDatabase> roundTrip(const std::string& name) {
        const std::string path = tempFile(name);
        EXPECT_EQ(db()->saveAs(wide(path).c_str(), false), Acad::eOk) << hxhost::lastFileError();
        m_written = hxhost::lastFileFindings();
        m_text = slurp(path);
        auto copy = std::make_unique<AcDbDatabase>(false, false);
        EXPECT_EQ(copy->readDwgFile(wide(path).c_str()), Acad::eOk) << hxhost::lastFileError();
        return copy;
    }

    // The entity of handle in copy, open for read (the caller closes it), or null.
    static AcDbEntity* openBack(AcDbDatabase& copy, AcDbHandle handle) {
        AcDbObjectId back;
        AcDbEntity* ent = nullptr;
        if (copy.getAcDbObjectId(back, false, handle) == Acad::eOk)
            acdbOpenObject(ent, back, AcDb::kForRead);
        return ent;
    }

    // The entity's xdata of app as chainText gives it.
    static std::wstring xdata(const AcDbEntity& ent, const ACHAR* app) {
        resbuf* chain = ent.xData(app);
        const std::wstring text = chainText(chain);
        acutRelRb(chain);
        return text;
    }

    static bool mentions(const std::vector<std::string>& findings, const std::string& part) {
        return std::any_of(findings.begin(), findings.end(),
                           [&](const std::string& f) { return f.find(part) != std::string::npos; });
    }

    std::vector<std::string> m_written;
    std::string m_text;
};

TEST_F(DxfCodecTest, RegistryRules) {
    using hxhost::registerDxfCodec;
    EXPECT_FALSE(registerDxfCodec(nullptr));
    EXPECT_FALSE(registerDxfCodec(std::make_unique<NameCodec>(nullptr, L"HXTEST_X")));
    EXPECT_FALSE(registerDxfCodec(std::make_unique<NameCodec>(AcDbLine::desc(), L"")));
    // Another class may not take the valve's application, in any case.
    EXPECT_FALSE(registerDxfCodec(std::make_unique<NameCodec>(AcDbLine::desc(), L"hxtest_valve")));
    EXPECT_EQ(hxhost::findDxfCodec(AcDbLine::desc()), nullptr);

    const hxhost::DxfCustomCodec* valve = hxhost::findDxfCodec(TestValve::desc());
    ASSERT_NE(valve, nullptr);
    EXPECT_EQ(hxhost::findDxfCodecByApp(L"HxTest_Valve"), valve);
    EXPECT_EQ(hxhost::findDxfCodecByApp(nullptr), nullptr);
    // A second codec of the same class replaces the first.
    ASSERT_TRUE(registerDxfCodec(std::make_unique<NameCodec>(TestValve::desc(), kValveApp)));
    EXPECT_NE(hxhost::findDxfCodec(TestValve::desc()), valve);
    EXPECT_TRUE(hxhost::unregisterDxfCodec(TestValve::desc()));
    EXPECT_FALSE(hxhost::unregisterDxfCodec(TestValve::desc()));
    EXPECT_EQ(hxhost::findDxfCodecByApp(kValveApp), nullptr);
}

TEST_F(DxfCodecTest, CustomEntityTravelsAsStandardEntityWithXData) {
    acdbRegApp(L"HXTEST");
    auto* valve = new TestValve({3, 4, 0}, 0.5);
    valve->setColorIndex(2);
    const AcDbObjectId id = hxhost::addToModelSpace(valve);
    tag(id, acutBuildList(1001, L"HXTEST", 1000, L"kept", 0));
    const AcDbHandle handle = id.handle();

    auto copy = roundTrip("valve.dxf");
    EXPECT_TRUE(m_written.empty());
    // Other programs see a circle with our data.
    EXPECT_NE(m_text.find("CIRCLE"), std::string::npos);
    EXPECT_EQ(m_text.find("TESTVALVE"), std::string::npos);

    AcDbEntity* ent = openBack(*copy, handle);
    const TestValve* read = TestValve::cast(ent);
    ASSERT_NE(read, nullptr);
    EXPECT_DOUBLE_EQ(read->diameter(), 0.5);
    EXPECT_EQ(read->colorIndex(), 2);
    EXPECT_EQ(xdata(*read, L"HXTEST"), L"1001:HXTEST 1000:kept");
    EXPECT_EQ(xdata(*read, kValveApp), L""); // the codec's chain is not left on it
    ent->close();
}

// The groups of app's xdata in a written file's text, from the first entity
// on that has them.
std::string appGroups(const std::string& text, const std::string& app, std::size_t& from) {
    const std::size_t start = text.find("1001\n" + app + "\n", from);
    const std::size_t end = text.find("\n  0\n", start);
    from = end;
    return start == std::string::npos ? std::string() : text.substr(start, end - start);
}

TEST_F(DxfCodecTest, CodecDataIsWrittenAloneAsMergedWithTheEntitysOwn) {
    acdbRegApp(L"HXTEST");
    hxhost::addToModelSpace(new TestValve({3, 4, 0}, 0.5));
    const AcDbObjectId owning = hxhost::addToModelSpace(new TestValve({3, 4, 0}, 0.5));
    tag(owning, acutBuildList(1001, L"HXTEST", 1000, L"kept", 0));
    roundTrip("kinds.dxf");
    std::size_t from = 0;
    const std::string alone = appGroups(m_text, "HXTEST_VALVE", from);
    const std::string merged = appGroups(m_text, "HXTEST_VALVE", from);
    EXPECT_NE(alone.find("1070\n-4\n1071\n70000\n"), std::string::npos) << alone;
    EXPECT_EQ(alone, merged);
}

TEST_F(DxfCodecTest, MalformedAppChainKeepsTheStandardEntityAndReportsIt) {
    acdbRegApp(kValveApp);
    const AcDbObjectId id =
        hxhost::addToModelSpace(new AcDbCircle({0, 0, 0}, AcGeVector3d::kZAxis, 1));
    tag(id, acutBuildList(1001, kValveApp, 1000, L"valve", 1000, L"not a number", 0));
    const AcDbObjectId lineId = addLine();
    tag(lineId, acutBuildList(1001, kValveApp, 1000, L"valve", 1040, 1.0, 0)); // not a circle
    const AcDbHandle handle = id.handle();

    auto copy = roundTrip("malformed.dxf");
    const std::vector<std::string> findings = hxhost::lastFileFindings();
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_TRUE(mentions(findings, "refused by its codec: kept as a standard entity"));
    EXPECT_TRUE(mentions(findings, "malformed.dxf:"));

    AcDbEntity* ent = openBack(*copy, handle);
    ASSERT_NE(AcDbCircle::cast(ent), nullptr);
    EXPECT_EQ(xdata(*ent, kValveApp), L"1001:HXTEST_VALVE 1000:valve 1000:not a number"); // kept
    ent->close();
}

TEST_F(DxfCodecTest, EntitiesACodecCannotWriteAreReportedAndLeftOut) {
    const AcDbObjectId id = hxhost::addToModelSpace(new TestValve({1, 1, 0}, 0)); // not shown
    addLine();
    const AcDbHandle handle = id.handle();
    auto copy = roundTrip("unwritable.dxf");
    ASSERT_EQ(m_written.size(), 1u);
    EXPECT_TRUE(mentions(m_written, "of class TestValve: its codec gave no standard entity"));
    AcDbObjectId back;
    EXPECT_NE(copy->getAcDbObjectId(back, false, handle), Acad::eOk);

    ASSERT_TRUE(hxhost::unregisterDxfCodec(TestValve::desc()));
    roundTrip("nocodec.dxf");
    ASSERT_EQ(m_written.size(), 1u);
    EXPECT_TRUE(mentions(m_written, "of class TestValve has no DXF codec: not written"));
}

} // namespace
