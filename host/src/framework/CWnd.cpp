// The window wrapper: creation, destruction, messages, text and font.
#include "afxwin.h"

CWnd::~CWnd() {
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CWnd::Attach(HWND window) {
    if (window == nullptr || m_hWnd != nullptr)
        return FALSE;
    m_hWnd = window;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND window = m_hWnd;
    m_hWnd = nullptr;
    return window;
}

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id) {
    return CreateEx(0, className, windowName, style, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT) {
    if (m_hWnd != nullptr)
        return FALSE;
    return Attach(::CreateWindowExW(exStyle, className, windowName, style, rect.left, rect.top,
                                    rect.right - rect.left, rect.bottom - rect.top,
                                    parent != nullptr ? parent->m_hWnd : nullptr, nullptr, nullptr,
                                    nullptr));
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr)
        return FALSE;
    // A window destroyed with its parent is gone already; Windows refuses it.
    return ::DestroyWindow(Detach());
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

void CWnd::SetWindowText(LPCTSTR text) {
    ::SetWindowTextW(m_hWnd, text);
}

int CWnd::GetWindowText(LPTSTR text, int maxCount) const {
    return ::GetWindowTextW(m_hWnd, text, maxCount);
}

void CWnd::GetWindowText(CString& text) const {
    int length = ::GetWindowTextLengthW(m_hWnd);
    ::GetWindowTextW(m_hWnd, text.GetBufferSetLength(length), length + 1);
    text.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const {
    return ::GetWindowTextLengthW(m_hWnd);
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    HGDIOBJ handle = font != nullptr ? font->m_hObject : nullptr;
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(handle), redraw);
}

CFont* CWnd::GetFont() const {
    auto handle = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    return handle != nullptr ? CFont::FromHandle(handle) : nullptr;
}
