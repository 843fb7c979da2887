// HxWtSetHandleXdata / HxWtGetHandleXdata: the stored 1005 handle, the round
// trip to the referenced object, registration and the open mode they need.
#include "UtilDrawingTest.h"

namespace {

class XdataHandleTest : public UtilDrawingTest {
protected:
    void SetUp() override {
        m_line = addLine();
        m_target = addLine({5, 5, 0}, {6, 6, 0});
    }
    AcDbObjectId m_line;
    AcDbObjectId m_target;
    wchar_t m_app[16] = L"HxRef";
};

TEST_F(XdataHandleTest, StoresTheHandleTextAndFindsTheObjectAgain) {
    ASSERT_FALSE(isRegistered(m_app));
    ASSERT_EQ(HxWtSetHandleXdata(m_line, m_app, m_target), 1);
    EXPECT_TRUE(isRegistered(m_app));
    ACHAR hex[17] = {};
    m_target.handle().getIntoAsciiBuffer(hex);
    EXPECT_EQ(dumpXdata(m_line, m_app), std::wstring(L"1001:HxRef 1005:") + hex);

    AcDbObjectId found;
    EXPECT_EQ(HxWtGetHandleXdata(m_line, m_app, found), 1);
    EXPECT_EQ(found, m_target);
}

TEST_F(XdataHandleTest, FollowsTheFirst1005AndReplacesTheApplicationsItemsOnly) {
    ASSERT_EQ(acdbRegApp(L"HxRef"), RTNORM);
    ASSERT_EQ(acdbRegApp(L"Other"), RTNORM);
    ACHAR first[17] = {};
    ACHAR second[17] = {};
    m_target.handle().getIntoAsciiBuffer(first);
    m_line.handle().getIntoAsciiBuffer(second);
    ASSERT_EQ(storeChain(m_line, acutBuildList(1001, L"HxRef", 1000, L"old", 1005, first, 1005,
                                               second, 1001, L"Other", 1070, 1, 0)),
              Acad::eOk);
    AcDbObjectId found;
    EXPECT_EQ(HxWtGetHandleXdata(m_line, m_app, found), 1);
    EXPECT_EQ(found, m_target);
    // A reference to the object itself does not open while the id form holds
    // the object for write.
    const std::wstring stored = dumpXdata(m_line, m_app);
    EXPECT_EQ(HxWtSetHandleXdata(m_line, m_app, m_line), 0);
    EXPECT_EQ(dumpXdata(m_line, m_app), stored);
    ASSERT_EQ(HxWtSetHandleXdata(m_line, m_app, m_target), 1);
    EXPECT_EQ(dumpXdata(m_line, m_app), std::wstring(L"1001:HxRef 1005:") + first);
    EXPECT_EQ(dumpXdata(m_line, L"Other"), L"1001:Other 1070");
}

TEST_F(XdataHandleTest, ObjectFormsNeedTheCallersOpen) {
    // The setter neither upgrades nor locks: on an object open for read the
    // host refuses the xdata.
    AcDbObject* obj = nullptr;
    ASSERT_EQ(acdbOpenObject(obj, m_line, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(HxWtSetHandleXdata(obj, m_app, m_target), 0);
    EXPECT_EQ(hxhost::openMode(m_line), AcDb::kForRead);
    obj->close();

    ASSERT_EQ(acdbOpenObject(obj, m_line, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(HxWtSetHandleXdata(obj, m_app, m_target), 1);
    AcDbObjectId found;
    EXPECT_EQ(HxWtGetHandleXdata(obj, m_app, found), 1);
    EXPECT_EQ(hxhost::openMode(m_line), AcDb::kForWrite);
    obj->close();
    EXPECT_EQ(found, m_target);
}

} // namespace
