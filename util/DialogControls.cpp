// Combo-box and edit-field helpers of the product's dialog boxes.
#include "HxWtDialogUtil.h"

#include "HxAecGeometry.h"
#include "tchar.h"

namespace {

int sendInt(CComboBox* combo, UINT message, WPARAM wParam = 0) {
    return static_cast<int>(combo->SendMessage(message, wParam, 0));
}

double fieldValue(CEdit* edit) {
    CString text;
    edit->GetWindowText(text);
    return _wtof(text.GetString());
}

void resetField(CEdit* edit, double resetValue) {
    CString text;
    text.Format(L"%g", resetValue);
    edit->SetWindowText(text.GetString());
}

} // namespace

void HxWtSetComboBoxAutoWidth(CClientDC& dc, CFont* font, CComboBox* combo) {
    dc.SelectObject(font); // not put back: the caller's dc keeps the font
    if (combo == nullptr)
        return;
    int width = sendInt(combo, CB_GETDROPPEDWIDTH);
    const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
    // The count is asked again for every entry, as the list is the control's.
    for (int i = 0; i < sendInt(combo, CB_GETCOUNT); ++i) {
        CString text;
        combo->GetLBText(i, text);
        SIZE size{0, 0};
        GetTextExtentPoint32W(dc.m_hAttribDC, text.GetString(), text.GetLength(), &size);
        if (size.cx + scrollBar > width)
            width = size.cx + scrollBar;
    }
    combo->SendMessage(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width), 0);
}

void HxWtSetComboBoxCurString(CComboBox* combo, const wchar_t* text) {
    if (combo == nullptr)
        return;
    if (sendInt(combo, CB_GETCOUNT) > 0)
        combo->SendMessage(CB_SETCURSEL, 0, 0);
    for (int i = 0; i < sendInt(combo, CB_GETCOUNT); ++i) {
        CString entry;
        combo->GetLBText(i, entry);
        if (lstrcmpW(entry.GetString(), text) == 0) {
            combo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return;
        }
    }
}

CString HxWtGetComboBoxCurString(CComboBox* combo) {
    CString text;
    if (combo == nullptr)
        return text;
    int selected = sendInt(combo, CB_GETCURSEL);
    if (selected != CB_ERR)
        combo->GetLBText(selected, text);
    return text;
}

int HxWtValidateEditValue(CEdit* edit, double minValue, double resetValue) {
    if (edit == nullptr)
        return 0;
    if (fieldValue(edit) - minValue < -g_fZero) {
        resetField(edit, resetValue);
        return 0;
    }
    return 1;
}

int HxWtValidateEditValue(CEdit* edit, double resetValue) {
    if (edit == nullptr)
        return 0;
    if (fieldValue(edit) <= g_fZero) {
        resetField(edit, resetValue);
        return 0;
    }
    return 1;
}
