// The font wrapper: making fonts by description, by parameters and by point
// size.
#include "afxwin.h"

#include <cwchar>

BOOL CFont::CreateFontIndirect(const LOGFONT* font) {
    if (m_hObject != nullptr)
        return FALSE;
    return Attach(::CreateFontIndirectW(font));
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                       BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName) {
    if (m_hObject != nullptr)
        return FALSE;
    return Attach(::CreateFontW(height, width, escapement, orientation, weight, italic, underline,
                                strikeOut, charSet, outPrecision, clipPrecision, quality,
                                pitchAndFamily, faceName));
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc) {
    LOGFONT font{};
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfHeight = pointSize;
    if (faceName != nullptr)
        std::wcsncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreatePointFontIndirect(&font, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* font, CDC* dc) {
    if (font == nullptr)
        return FALSE;
    // lfHeight holds tenths of a point; the font is asked for by character
    // height in pixels at the device's resolution.
    int perInch = 96;
    if (dc != nullptr && dc->m_hAttribDC != nullptr)
        perInch = ::GetDeviceCaps(dc->m_hAttribDC, LOGPIXELSY);
    LOGFONT pixels = *font;
    int height = ::MulDiv(perInch, font->lfHeight, 720);
    pixels.lfHeight = -(height < 0 ? -height : height);
    return CreateFontIndirect(&pixels);
}

int CFont::GetLogFont(LOGFONT* font) const {
    return ::GetObjectW(m_hObject, sizeof(LOGFONT), font);
}

CFont* CFont::FromHandle(HFONT font) {
    return static_cast<CFont*>(CGdiObject::FromHandle(font));
}
