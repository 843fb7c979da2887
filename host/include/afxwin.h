// The framework's window-level header: the core header, the extension-library
// support, and the window, control, device-context and font wrappers.
//
// Ownership: a CWnd owns the window it created or attached and destroys it in
// its destructor unless it was detached first; a CGdiObject (CFont) owns its
// GDI handle likewise; a CDC owns a device context it created, a CClientDC
// releases the window's device context it got. None of them copies.
//
// A wrapper without a handle passes a null handle to Windows, which refuses
// the call the way it refuses any invalid handle (0 or null results, the
// error set for GetLastError), as the framework's release build does.
#pragma once

#include "afx.h"
#include "afxdll_.h"
#include "atltypes.h"

// A Windows resource (a device context, a GDI object) could not be had.
class HX_HOST_API CResourceException : public CException {};

[[noreturn]] HX_HOST_API void AfxThrowResourceException();

class CDC;

// A GDI object handle. FromHandle gives the wrapper that owns the handle, or
// a temporary wrapper (kept by the framework, not owning the handle) for a
// handle that no wrapper owns, such as a stock object.
class HX_HOST_API CGdiObject {
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    // Takes ownership of a handle; FALSE when null or when one is held already.
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    // Deletes the handle (FALSE, keeping it, when Windows refuses).
    BOOL DeleteObject();
    static CGdiObject* FromHandle(HGDIOBJ object);

private:
    friend class CGdiTemporaries;
    bool m_temporary = false;
};

// A logical font. The Create functions fail (FALSE) when the object holds a
// font already or Windows gives none.
class HX_HOST_API CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONT* font);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName);
    // pointSize in tenths of a point, converted at the device context's
    // vertical resolution (the screen's when null).
    BOOL CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONT* font, CDC* dc = nullptr);
    int GetLogFont(LOGFONT* font) const;
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT font);
};

// A device context: m_hDC for output, m_hAttribDC for queries (the same
// handle here). The destructor deletes a device context it owns.
class HX_HOST_API CDC {
public:
    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;

    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    BOOL Attach(HDC dc);
    HDC Detach();
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    // Selects the font and gives the one it replaced (null on failure).
    CFont* SelectObject(CFont* font);
    CSize GetTextExtent(LPCTSTR text, int count) const;
    CSize GetTextExtent(const CString& text) const;
    int GetDeviceCaps(int index) const;
};

class CWnd;

// The device context of a window's client area (the screen's for a null
// window), released when the object is destroyed. Throws a
// CResourceException* when Windows gives none (a destroyed window).
class HX_HOST_API CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};

// A window. Create and CreateEx fail (FALSE) when the object has a window
// already or Windows refuses.
class HX_HOST_API CWnd {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }
    BOOL Attach(HWND window);
    HWND Detach();
    BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                UINT id);
    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id);
    virtual BOOL DestroyWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetWindowText(LPCTSTR text);
    int GetWindowText(LPTSTR text, int maxCount) const;
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
};

// A combo box: its entries and selection through the combo-box messages.
// Index results are CB_ERR for an index out of range.
class HX_HOST_API CComboBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetLBTextLen(int index) const;
    // Copies the entry and its terminating zero into text, which must have
    // room for GetLBTextLen(index) + 1 characters; gives the length.
    int GetLBText(int index, LPTSTR text) const;
    // The entry's text; empty for an index out of range.
    void GetLBText(int index, CString& text) const;
    int GetDroppedWidth() const;
    int SetDroppedWidth(UINT width);
};

// A single-line edit field; its number or text is the window text.
class HX_HOST_API CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
};
