// Text extents with FreeType: hinted advances at the font's pixel size plus
// the face's kerning pairs, with characters the face lacks taken from the
// CJK face. Faces are opened once and kept.
#include "windows/TextMeasure.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include "hxhost/Fonts.h"

namespace hxwin {
namespace {

constexpr LONG kDefaultCellHeight = 16; // a zero lfHeight asks for the default size

class FaceCache {
public:
    FaceCache() {
        if (FT_Init_FreeType(&m_library) != 0)
            m_library = nullptr;
    }
    ~FaceCache() {
        for (auto& entry : m_faces)
            FT_Done_Face(entry.second);
        if (m_library != nullptr)
            FT_Done_FreeType(m_library);
    }
    FaceCache(const FaceCache&) = delete;
    FaceCache& operator=(const FaceCache&) = delete;

    // The face of a file (its first face), or null when it does not open.
    FT_Face face(const std::string& path) {
        if (path.empty() || m_library == nullptr)
            return nullptr;
        auto it = m_faces.find(path);
        if (it != m_faces.end())
            return it->second;
        FT_Face face = nullptr;
        if (FT_New_Face(m_library, path.c_str(), 0, &face) != 0)
            face = nullptr;
        if (face != nullptr)
            m_faces.emplace(path, face);
        return face;
    }

private:
    FT_Library m_library = nullptr;
    std::map<std::string, FT_Face> m_faces;
};

FaceCache& faces() {
    static FaceCache s_cache;
    return s_cache;
}

std::map<std::wstring, int>& fixedFaces() {
    static std::map<std::wstring, int> s_faces;
    return s_faces;
}

// The face's cell (ascent plus descent) in font units, as Windows takes it.
long cellUnits(FT_Face face) {
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0)
        return long(os2->usWinAscent) + long(os2->usWinDescent);
    return long(face->ascender) - long(face->descender);
}

long roundedRatio(long value, long numerator, long denominator) {
    return (value * numerator + denominator / 2) / denominator;
}

// The em size in pixels: a negative height is the character height, a
// positive one the cell height.
long emPixels(FT_Face face, LONG height) {
    if (height < 0)
        return -long(height);
    long cell = height == 0 ? kDefaultCellHeight : height;
    long em = roundedRatio(cell, face->units_per_EM, cellUnits(face));
    return em > 0 ? em : 1;
}

long cellPixels(FT_Face face, LONG height, long em) {
    if (height > 0)
        return height;
    if (height == 0)
        return kDefaultCellHeight;
    return roundedRatio(em, cellUnits(face), face->units_per_EM);
}

struct Glyph {
    FT_Face face = nullptr;
    FT_UInt index = 0;
};

Glyph glyphFor(FT_Face primary, FT_Face fallback, wchar_t ch) {
    FT_UInt index = FT_Get_Char_Index(primary, FT_ULong(ch));
    if (index == 0 && fallback != nullptr) {
        FT_UInt other = FT_Get_Char_Index(fallback, FT_ULong(ch));
        if (other != 0)
            return Glyph{fallback, other};
    }
    return Glyph{primary, index};
}

long kerning(const Glyph& previous, const Glyph& next) {
    if (previous.face != next.face || previous.index == 0 || !FT_HAS_KERNING(next.face))
        return 0;
    FT_Vector delta{};
    if (FT_Get_Kerning(next.face, previous.index, next.index, FT_KERNING_DEFAULT, &delta) != 0)
        return 0;
    return long(delta.x) / 64; // grid-fitted: whole pixels
}

long loadAdvance(const Glyph& glyph, long em) {
    if (FT_Set_Pixel_Sizes(glyph.face, 0, FT_UInt(em)) != 0)
        return 0;
    if (FT_Load_Glyph(glyph.face, glyph.index, FT_LOAD_DEFAULT) != 0)
        return 0;
    return (long(glyph.face->glyph->advance.x) + 32) / 64;
}

// Hinting a glyph costs milliseconds; each advance is loaded once per face
// and size.
long advance(const Glyph& glyph, long em) {
    static std::map<std::tuple<FT_Face, long, FT_UInt>, long> s_advances;
    auto key = std::make_tuple(glyph.face, em, glyph.index);
    auto it = s_advances.find(key);
    if (it == s_advances.end())
        it = s_advances.emplace(key, loadAdvance(glyph, em)).first;
    return it->second;
}

// Without any font file: half an em a character, a full em for the wide
// (CJK) range.
SIZE approximate(LONG height, const wchar_t* text, int count) {
    long em = height < 0 ? -long(height) : (height == 0 ? kDefaultCellHeight : height);
    long width = 0;
    for (int i = 0; i < count; ++i)
        width += text[i] >= 0x1100 ? em : em / 2;
    return SIZE{LONG(width), LONG(height > 0 ? height : em)};
}

} // namespace

SIZE measureText(const LOGFONTW& font, const wchar_t* text, int count) {
    auto fixed = fixedFaces().find(font.lfFaceName);
    if (fixed != fixedFaces().end()) {
        LONG cell = font.lfHeight == 0 ? kDefaultCellHeight : std::labs(font.lfHeight);
        return SIZE{LONG(fixed->second) * count, cell};
    }
    FT_Face primary = faces().face(hxhost::fontFileFor(font.lfFaceName, font.lfWeight));
    if (primary == nullptr)
        return approximate(font.lfHeight, text, count);
    FT_Face fallback = faces().face(hxhost::cjkFontFile());
    long em = emPixels(primary, font.lfHeight);
    long width = 0;
    Glyph previous;
    for (int i = 0; i < count; ++i) {
        Glyph glyph = glyphFor(primary, fallback, text[i]);
        width += kerning(previous, glyph) + advance(glyph, em);
        previous = glyph;
    }
    return SIZE{LONG(width), LONG(cellPixels(primary, font.lfHeight, em))};
}

} // namespace hxwin

namespace hxhost {

void setFixedMetricFace(const std::wstring& faceName, int advance) {
    hxwin::fixedFaces()[faceName] = advance;
}

void clearFixedMetricFaces() {
    hxwin::fixedFaces().clear();
}

} // namespace hxhost
