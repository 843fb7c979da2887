// Device contexts and fonts of the stand-in: selection and deletion rules,
// point sizes, and text measured with real font metrics.
#include <gtest/gtest.h>

#include "afxwin.h"
#include "hxhost/Fonts.h"
#include "hxhost/HostControl.h"

namespace {

using hxhost::Resource;

int widthOf(CDC& dc, const wchar_t* text) {
    return dc.GetTextExtent(CString(text)).cx;
}

TEST(FontTest, SelectedFontCannotBeDeleted) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, L"DejaVu Sans"));
    LOGFONT log{};
    ASSERT_EQ(font.GetLogFont(&log), int(sizeof(LOGFONT)));
    EXPECT_EQ(log.lfHeight, -12); // 9 pt at 96 pixels per inch
    {
        CClientDC dc(nullptr);
        CFont* system = dc.SelectObject(&font);
        ASSERT_NE(system, nullptr);
        EXPECT_EQ(system->m_hObject, GetStockObject(SYSTEM_FONT));
        EXPECT_FALSE(font.DeleteObject());
        EXPECT_EQ(dc.SelectObject(system), &font);
        EXPECT_EQ(hxhost::outstanding(Resource::DeviceContext), 1);
        EXPECT_EQ(hxhost::outstanding(Resource::Font), 1);
    }
    EXPECT_EQ(hxhost::outstanding(Resource::DeviceContext), 0);
    EXPECT_TRUE(font.DeleteObject());
    EXPECT_EQ(hxhost::outstanding(Resource::Font), 0);
    EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(0x20010))); // never a font now
    hxhost::failNext(hxhost::kFaultCreateFont);
    EXPECT_FALSE(font.CreatePointFont(90, L"DejaVu Sans"));
}

TEST(FontTest, FixedMetricFacePinsWidths) {
    hxhost::setFixedMetricFace(L"Pinned", 10);
    CFont font;
    ASSERT_TRUE(
        font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Pinned"));
    CClientDC dc(nullptr);
    dc.SelectObject(&font);
    EXPECT_EQ(dc.GetTextExtent(CString(L"DN100")), CSize(50, 12));
    EXPECT_EQ(widthOf(dc, L""), 0);
    dc.SelectObject(CFont::FromHandle(static_cast<HFONT>(GetStockObject(SYSTEM_FONT))));
    hxhost::clearFixedMetricFaces();
}

class RealFontTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (hxhost::fontFileFor(L"DejaVu Sans").empty())
            GTEST_SKIP() << "fonts-dejavu-core is not installed";
        ASSERT_TRUE(m_font.CreateFont(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                      L"DejaVu Sans"));
        m_previous = m_dc.SelectObject(&m_font);
    }
    void TearDown() override { m_dc.SelectObject(m_previous); }

    CFont m_font;
    CClientDC m_dc{nullptr};
    CFont* m_previous = nullptr;
};

TEST_F(RealFontTest, LongerTextMeasuresWider) {
    int shortWidth = widthOf(m_dc, L"DN100");
    EXPECT_GT(shortWidth, 20);
    EXPECT_LT(shortWidth, 80);
    EXPECT_GT(widthOf(m_dc, L"DN100 ductile iron"), shortWidth);
    EXPECT_GT(widthOf(m_dc, L"WWWW"), widthOf(m_dc, L"iiii"));
    EXPECT_EQ(m_dc.GetTextExtent(CString(L"DN100")).cy, 19); // DejaVu's cell at a 16-pixel em
}

TEST_F(RealFontTest, KerningPairsAreApplied) {
    int pair = widthOf(m_dc, L"AV");
    EXPECT_LT(pair, widthOf(m_dc, L"A") + widthOf(m_dc, L"V"));
}

TEST_F(RealFontTest, SizeAndWeightChangeTheWidth) {
    CFont large;
    CFont bold;
    ASSERT_TRUE(large.CreatePointFont(240, L"DejaVu Sans")); // 32 pixels
    ASSERT_TRUE(bold.CreateFont(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"DejaVu Sans"));
    int regular = widthOf(m_dc, L"Pressure pipe");
    m_dc.SelectObject(&large);
    EXPECT_NEAR(widthOf(m_dc, L"Pressure pipe"), 2 * regular, 4);
    m_dc.SelectObject(&bold);
    EXPECT_GT(widthOf(m_dc, L"Pressure pipe"), regular);
    m_dc.SelectObject(&m_font);
}

TEST_F(RealFontTest, ChineseTextComesFromTheCjkFace) {
    if (hxhost::cjkFontFile().empty())
        GTEST_SKIP() << "no CJK font package is installed";
    // Full-width characters are an em wide; Latin letters are narrower.
    int chinese = widthOf(m_dc, L"\x7ed9\x6c34\x7ba1"); // water supply pipe
    EXPECT_EQ(chinese, 3 * 16);
    EXPECT_GT(chinese, widthOf(m_dc, L"abc"));
    CFont song;
    ASSERT_TRUE(song.CreatePointFont(120, L"\x5b8b\x4f53"));
    m_dc.SelectObject(&song);
    EXPECT_EQ(widthOf(m_dc, L"\x7ed9\x6c34\x7ba1"), 3 * 16);
    m_dc.SelectObject(&m_font);
}

} // namespace
