// Combo boxes and windows of the stand-in: the combo-box messages and their
// error results, refusals for destroyed windows and controls without one,
// and the ledger's window count.
#include <gtest/gtest.h>

#include "afxwin.h"
#include "hxhost/HostControl.h"

namespace {

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            m_dialog.CreateEx(0, L"#32770", L"Pipe", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
        ASSERT_TRUE(
            m_combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(10, 10, 130, 30), &m_dialog, 1001));
        for (const wchar_t* text : {L"DN100", L"DN150", L"DN200"})
            m_combo.AddString(text);
    }

    CWnd m_dialog;
    CComboBox m_combo;
};

TEST_F(ComboBoxTest, SelectionFollowsInsertAndDelete) {
    struct Case {
        const char* what;
        void (*edit)(CComboBox&);
        int selected;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {"insert before", [](CComboBox& c) { c.InsertString(0, L"DN80"); }, 2, L"DN150"},
        {"insert after", [](CComboBox& c) { c.InsertString(2, L"DN180"); }, 1, L"DN150"},
        {"delete before", [](CComboBox& c) { c.DeleteString(0); }, 0, L"DN150"},
        {"delete selected", [](CComboBox& c) { c.DeleteString(1); }, CB_ERR, L""},
        {"reset", [](CComboBox& c) { c.ResetContent(); }, CB_ERR, L""},
        {"select past end", [](CComboBox& c) { c.SetCurSel(3); }, CB_ERR, L""},
    };
    for (const Case& c : cases) {
        m_combo.ResetContent();
        for (const wchar_t* text : {L"DN100", L"DN150", L"DN200"})
            m_combo.AddString(text);
        ASSERT_EQ(m_combo.SetCurSel(1), 1);
        c.edit(m_combo);
        CString shown;
        m_combo.GetWindowText(shown);
        EXPECT_EQ(m_combo.GetCurSel(), c.selected) << c.what;
        EXPECT_STREQ(shown.GetString(), c.shown) << c.what;
    }
}

TEST_F(ComboBoxTest, IndexOutOfRangeGivesCbErr) {
    CString text = L"kept";
    wchar_t buffer[8] = L"kept";
    EXPECT_EQ(m_combo.GetLBTextLen(3), CB_ERR);
    EXPECT_EQ(m_combo.GetLBText(-1, buffer), CB_ERR);
    EXPECT_STREQ(buffer, L"kept");
    m_combo.GetLBText(3, text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(m_combo.InsertString(4, L"DN300"), CB_ERR);
    EXPECT_EQ(m_combo.DeleteString(3), CB_ERR);
    EXPECT_EQ(m_combo.InsertString(-1, L"DN300"), 3); // -1 appends
    m_combo.GetLBText(3, text);
    EXPECT_STREQ(text.GetString(), L"DN300");
}

TEST_F(ComboBoxTest, DroppedWidthIsNeverNarrowerThanTheBox) {
    EXPECT_EQ(m_combo.GetDroppedWidth(), 120);
    EXPECT_EQ(m_combo.SetDroppedWidth(80), 120);
    EXPECT_EQ(m_combo.SetDroppedWidth(150), 150);
    EXPECT_EQ(m_combo.GetDroppedWidth(), 150);
}

TEST_F(ComboBoxTest, DestroyedWindowRefusesMessages) {
    HWND combo = m_combo.m_hWnd;
    EXPECT_EQ(hxhost::outstanding(hxhost::Resource::Window), 2);
    ASSERT_TRUE(m_dialog.DestroyWindow()); // takes its child along
    EXPECT_EQ(hxhost::outstanding(hxhost::Resource::Window), 0);
    EXPECT_FALSE(IsWindow(combo));
    SetLastError(0);
    EXPECT_EQ(m_combo.GetCount(), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_EQ(m_combo.AddString(L"DN300"), 0);
    EXPECT_THROW(
        {
            try {
                CClientDC dc(&m_combo);
            } catch (CResourceException* e) {
                e->Delete();
                throw;
            }
        },
        CResourceException*);
    EXPECT_FALSE(m_combo.DestroyWindow());
}

TEST(WindowTest, ControlWithoutWindowGivesZeroResults) {
    CComboBox combo;
    CEdit edit;
    SetLastError(0);
    EXPECT_EQ(combo.GetCurSel(), 0); // not CB_ERR: the message never arrives
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
    CString text = L"kept";
    edit.GetWindowText(text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_FALSE(edit.Create(WS_CHILD, CRect(0, 0, 50, 20), nullptr, 1)); // a child needs a parent
    EXPECT_EQ(GetLastError(), DWORD(ERROR_TLW_WITH_WSCHILD));
    EXPECT_FALSE(combo.CreateEx(0, L"LISTVIEW", nullptr, WS_POPUP, CRect(), nullptr, 0));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_CANNOT_FIND_WND_CLASS));
    hxhost::failNext(hxhost::kFaultCreateWindow);
    EXPECT_FALSE(edit.CreateEx(0, L"EDIT", nullptr, WS_POPUP, CRect(), nullptr, 0));
    EXPECT_EQ(hxhost::outstanding(hxhost::Resource::Window), 0);
}

// A subclassing procedure sees the messages the wrappers send.
std::vector<UINT> g_seen;
WNDPROC g_original = nullptr;

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_seen.push_back(message);
    return CallWindowProcW(g_original, window, message, wParam, lParam);
}

TEST_F(ComboBoxTest, SubclassedWindowSeesEveryMessage) {
    g_seen.clear();
    g_original = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        m_combo.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&recordingProc)));
    EXPECT_EQ(m_combo.GetCount(), 3);
    m_combo.SetCurSel(2);
    EXPECT_EQ(g_seen, (std::vector<UINT>{CB_GETCOUNT, CB_SETCURSEL}));
    SetWindowLongPtrW(m_combo.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_original));
}

} // namespace
