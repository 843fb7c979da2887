// Device-context wrappers: the general one and the client area of a window.
#include "afxwin.h"

void AfxThrowResourceException() {
    throw new CResourceException;
}

CDC::~CDC() {
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

BOOL CDC::Attach(HDC dc) {
    if (dc == nullptr || m_hDC != nullptr)
        return FALSE;
    m_hDC = m_hAttribDC = dc;
    return TRUE;
}

HDC CDC::Detach() {
    HDC dc = m_hDC;
    m_hDC = m_hAttribDC = nullptr;
    return dc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    if (m_hDC != nullptr)
        return FALSE;
    return Attach(::CreateCompatibleDC(dc != nullptr ? dc->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

CFont* CDC::SelectObject(CFont* font) {
    if (font == nullptr)
        return nullptr;
    HGDIOBJ previous = ::SelectObject(m_hDC, font->m_hObject);
    if (m_hAttribDC != m_hDC)
        ::SelectObject(m_hAttribDC, font->m_hObject);
    return previous != nullptr ? CFont::FromHandle(static_cast<HFONT>(previous)) : nullptr;
}

CSize CDC::GetTextExtent(LPCTSTR text, int count) const {
    SIZE size{0, 0};
    ::GetTextExtentPoint32W(m_hAttribDC, text, count, &size);
    return CSize(size);
}

CSize CDC::GetTextExtent(const CString& text) const {
    return GetTextExtent(text.GetString(), text.GetLength());
}

int CDC::GetDeviceCaps(int index) const {
    return ::GetDeviceCaps(m_hAttribDC, index);
}

CClientDC::CClientDC(CWnd* window) : m_hWnd(window != nullptr ? window->m_hWnd : nullptr) {
    if (!Attach(::GetDC(m_hWnd)))
        AfxThrowResourceException();
}

CClientDC::~CClientDC() {
    if (m_hDC != nullptr)
        ::ReleaseDC(m_hWnd, Detach());
}
