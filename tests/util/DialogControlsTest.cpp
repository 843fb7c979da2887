// The dialog control helpers on the stand-in's combo boxes and edit fields:
// drop-down widths in a fixed-metric font (exact) and in real fonts, entry
// selection by text, and the edit-field validators.
#include <gtest/gtest.h>

#include "HxWtDialogUtil.h"
#include "hxhost/Fonts.h"

namespace {

class DialogControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        hxhost::setFixedMetricFace(L"Fixed10", 10); // every character 10 pixels wide
        ASSERT_TRUE(
            m_dialog.CreateEx(0, L"#32770", L"Pipe", WS_POPUP, CRect(0, 0, 400, 300), nullptr, 0));
        ASSERT_TRUE(
            m_combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(10, 10, 110, 30), &m_dialog, 1001));
        ASSERT_TRUE(m_edit.Create(WS_CHILD, CRect(10, 40, 110, 60), &m_dialog, 1002));
        ASSERT_TRUE(m_fixed.CreatePointFont(90, L"Fixed10"));
    }
    void TearDown() override { hxhost::clearFixedMetricFaces(); }

    void fill(std::initializer_list<const wchar_t*> entries) {
        for (const wchar_t* entry : entries)
            m_combo.AddString(entry);
    }

    CFont m_fixed; // declared first: outlives the device contexts it is selected into
    CWnd m_dialog;
    CComboBox m_combo;
    CEdit m_edit;
};

TEST_F(DialogControlsTest, DropDownWidensToLongestEntryAndNeverShrinks) {
    struct Case {
        int before;
        int after;
    };
    // The longest entry is 18 characters, 180 pixels; the scroll bar is 17.
    const Case cases[] = {{150, 197}, {250, 250}, {197, 197}};
    fill({L"DN100", L"DN150 ductile iron", L"DN80 steel"});
    for (const Case& c : cases) {
        m_combo.SetDroppedWidth(c.before);
        CClientDC dc(&m_combo);
        HxWtSetComboBoxAutoWidth(dc, &m_fixed, &m_combo);
        EXPECT_EQ(m_combo.GetDroppedWidth(), c.after) << c.before;
        EXPECT_EQ(dc.SelectObject(&m_fixed), &m_fixed) << "the font stays selected";
    }
}

TEST_F(DialogControlsTest, EmptyListKeepsItsWidth) {
    m_combo.SetDroppedWidth(150);
    CClientDC dc(&m_combo);
    HxWtSetComboBoxAutoWidth(dc, &m_fixed, &m_combo);
    EXPECT_EQ(m_combo.GetDroppedWidth(), 150);
}

TEST_F(DialogControlsTest, RealFontsGrowTheDropDownForLongerAndChineseEntries) {
    if (hxhost::fontFileFor(L"DejaVu Sans").empty() || hxhost::cjkFontFile().empty())
        GTEST_SKIP() << "the font packages are not installed";
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, L"DejaVu Sans"));
    CClientDC dc(&m_combo);
    fill({L"DN100"});
    HxWtSetComboBoxAutoWidth(dc, &font, &m_combo);
    const int boxWidth = 100;
    EXPECT_EQ(m_combo.GetDroppedWidth(), boxWidth); // a short entry fits the box
    fill({L"DN300 ductile iron pressure pipe"});
    HxWtSetComboBoxAutoWidth(dc, &font, &m_combo);
    const int latin = m_combo.GetDroppedWidth();
    EXPECT_GT(latin, boxWidth);
    // As many characters again, in Chinese: full-width, so wider still.
    fill({L"\x7403\x58a8\x94f8\x94c1\x7ed9\x6c34\x7ba1\x9053\x538b\x529b\x7ba1\x0044\x004e\x0033"
          L"\x0030\x0030\x7403\x58a8\x94f8\x94c1\x7ed9\x6c34\x7ba1\x9053\x538b\x529b\x7ba1\x7ba1"
          L"\x9053\x538b\x529b\x7ba1"});
    HxWtSetComboBoxAutoWidth(dc, &font, &m_combo);
    EXPECT_GT(m_combo.GetDroppedWidth(), latin);
    dc.SelectObject(CFont::FromHandle(static_cast<HFONT>(GetStockObject(SYSTEM_FONT))));
}

TEST_F(DialogControlsTest, SelectsFirstExactEntryElseTheFirst) {
    struct Case {
        const wchar_t* text;
        int selected;
    };
    const Case cases[] = {
        {L"DN150", 1}, {L"DN200", 2}, // twice in the list: the first one
        {L"dn150", 0},                // case differs: nothing but the first entry
        {L"DN999", 0}, {L"", 0},
    };
    fill({L"DN100", L"DN150", L"DN200", L"DN200"});
    for (const Case& c : cases) {
        m_combo.SetCurSel(3);
        HxWtSetComboBoxCurString(&m_combo, c.text);
        EXPECT_EQ(m_combo.GetCurSel(), c.selected) << CString(c.text).GetString();
    }
}

TEST_F(DialogControlsTest, CurrentStringOfEmptyOrUnselectedListIsEmpty) {
    HxWtSetComboBoxCurString(&m_combo, L"DN100"); // empty list: nothing changes
    EXPECT_EQ(m_combo.GetCurSel(), CB_ERR);
    EXPECT_TRUE(HxWtGetComboBoxCurString(&m_combo).IsEmpty());
    fill({L"DN100", L"\x7403\x58a8\x94f8\x94c1"});
    EXPECT_TRUE(HxWtGetComboBoxCurString(&m_combo).IsEmpty());
    m_combo.SetCurSel(1);
    EXPECT_STREQ(HxWtGetComboBoxCurString(&m_combo).GetString(), L"\x7403\x58a8\x94f8\x94c1");
}

TEST_F(DialogControlsTest, ValidatorsResetOutOfRangeFields) {
    struct Case {
        const wchar_t* field;
        bool withMinimum; // (edit, 1.0, 2.5) or (edit, 10.0)
        int result;
        const wchar_t* after;
    };
    const Case cases[] = {
        {L"0.5", true, 0, L"2.5"},
        {L"1.0", true, 1, L"1.0"},
        {L"3", true, 1, L"3"},
        {L"abc", true, 0, L"2.5"},
        {L"0.9999995", true, 1, L"0.9999995"}, // within the zero tolerance
        {L"0.99999", true, 0, L"2.5"},
        {L"2m", true, 1, L"2m"}, // the leading number counts
        {L"0", false, 0, L"10"},
        {L"-3", false, 0, L"10"},
        {L"0.5", false, 1, L"0.5"},
        {L"0.0000005", false, 0, L"10"},
        {L"", false, 0, L"10"},
    };
    for (const Case& c : cases) {
        m_edit.SetWindowText(c.field);
        int result = c.withMinimum ? HxWtValidateEditValue(&m_edit, 1.0, 2.5)
                                   : HxWtValidateEditValue(&m_edit, 10.0);
        CString after;
        m_edit.GetWindowText(after);
        EXPECT_EQ(result, c.result) << CString(c.field).GetString();
        EXPECT_STREQ(after.GetString(), c.after) << CString(c.field).GetString();
    }
}

TEST_F(DialogControlsTest, ResetValueIsWrittenWithPercentG) {
    m_edit.SetWindowText(L"-1");
    EXPECT_EQ(HxWtValidateEditValue(&m_edit, 0.0, 1234567.0), 0);
    CString after;
    m_edit.GetWindowText(after);
    EXPECT_STREQ(after.GetString(), L"1.23457e+06");
}

} // namespace
