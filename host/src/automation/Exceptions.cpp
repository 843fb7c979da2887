// The framework's automation exceptions: memory, OLE and dispatch errors.
#include "afxdisp.h"

#include "hxhost/HostControl.h"

#include <cwchar>

namespace {

BOOL copyMessage(const wchar_t* text, LPTSTR buffer, UINT maxChars) {
    if (!buffer || maxChars == 0)
        return FALSE;
    std::wcsncpy(buffer, text, maxChars - 1);
    buffer[maxChars - 1] = L'\0';
    return TRUE;
}

} // namespace

BOOL CMemoryException::GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT*) const {
    return copyMessage(L"Out of memory.", buffer, maxChars);
}

BOOL COleException::GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT*) const {
    wchar_t text[64];
    std::swprintf(text, 64, L"OLE error 0x%08X.", static_cast<unsigned>(m_sc));
    return copyMessage(text, buffer, maxChars);
}

COleDispatchException::COleDispatchException(const wchar_t* description, UINT helpId, WORD code)
    : m_wCode(code), m_strDescription(description), m_dwHelpContext(helpId) {}

BOOL COleDispatchException::GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* help) const {
    if (help)
        *help = m_dwHelpContext;
    return copyMessage(m_strDescription, buffer, maxChars);
}

void AfxThrowMemoryException() {
    throw new CMemoryException;
}
void AfxThrowOleException(SCODE sc) {
    throw new COleException(sc);
}
void AfxThrowOleDispatchException(WORD code, LPCTSTR description, UINT helpId) {
    throw new COleDispatchException(description, helpId, code);
}
