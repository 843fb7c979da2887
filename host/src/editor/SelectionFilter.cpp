// Filter lists of selection and the wildcard match they use.
#include "editor/SelectionFilter.h"
#include "text/AsciiCase.h"
#include "database/DbAccess.h"
#include "acutads.h"
#include "dbents.h"

namespace hxhost::detail {
namespace {

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool isAlpha(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c > 127;
}

// Matches a [...] class at p (just past '['); moves p past ']'. A class
// without its ']' matches the '[' literally.
bool classMatch(wchar_t c, const std::wstring& pat, size_t& p) {
    size_t q = p;
    const bool negated = q < pat.size() && pat[q] == L'~';
    if (negated)
        ++q;
    bool hit = false;
    bool first = true;
    for (; q < pat.size() && (pat[q] != L']' || first); ++q, first = false) {
        if (q + 2 < pat.size() && pat[q + 1] == L'-' && pat[q + 2] != L']') {
            hit = hit || (c >= upperAscii(pat[q]) && c <= upperAscii(pat[q + 2]));
            q += 2;
        } else {
            hit = hit || c == upperAscii(pat[q]);
        }
    }
    if (q >= pat.size()) {
        return c == L'[';
    }
    p = q + 1;
    return hit != negated;
}

bool matchHere(const std::wstring& s, size_t i, const std::wstring& pat, size_t p) {
    for (; p < pat.size(); ++p, ++i) {
        const wchar_t pc = pat[p];
        if (pc == L'*') {
            for (size_t k = i; k <= s.size(); ++k) {
                if (matchHere(s, k, pat, p + 1))
                    return true;
            }
            return false;
        }
        if (i >= s.size())
            return false;
        const wchar_t c = upperAscii(s[i]);
        if (pc == L'[') {
            size_t q = p + 1;
            if (!classMatch(c, pat, q))
                return false;
            p = q - 1;
            continue;
        }
        bool ok = false;
        if (pc == L'?')
            ok = true;
        else if (pc == L'#')
            ok = isDigit(c);
        else if (pc == L'@')
            ok = isAlpha(c);
        else if (pc == L'.')
            ok = !isDigit(c) && !isAlpha(c);
        else if (pc == L'`' && p + 1 < pat.size())
            ok = c == upperAscii(pat[++p]);
        else
            ok = c == upperAscii(pc);
        if (!ok)
            return false;
    }
    return i == s.size();
}

// Splits at commas that are not escaped with `.
std::vector<std::wstring> alternatives(const std::wstring& pattern) {
    std::vector<std::wstring> out(1);
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == L'`' && i + 1 < pattern.size()) {
            out.back() += pattern.substr(i, 2);
            ++i;
        } else if (pattern[i] == L',') {
            out.emplace_back();
        } else {
            out.back() += pattern[i];
        }
    }
    return out;
}

std::wstring typeName(const AcDbEntity& ent) {
    for (const AcRxClass* cls = ent.isA(); cls != nullptr; cls = cls->myParent()) {
        if (cls->dxfName() != nullptr)
            return cls->dxfName();
    }
    return ent.isA()->name();
}

std::wstring layerName(const AcDbEntity& ent) {
    ACHAR* name = ent.layer();
    std::wstring out = name != nullptr ? name : L"";
    acutDelString(name);
    return out;
}

std::wstring blockName(const AcDbEntity& ent) {
    const auto* ref = AcDbBlockReference::cast(&ent);
    if (ref == nullptr)
        return {};
    const auto* rec = AcDbSymbolTableRecord::cast(DbAccess::objectOf(ref->blockTableRecord()));
    return rec != nullptr ? DbAccess::name(*rec) : std::wstring();
}

bool hasXDataOf(const AcDbEntity& ent, const std::wstring& pattern) {
    resbuf* chain = DbAccess::xdata(const_cast<AcDbEntity&>(ent)).chain(nullptr);
    bool found = false;
    for (const resbuf* rb = chain; rb != nullptr && !found; rb = rb->rbnext) {
        found = rb->restype == 1001 && wildcardMatch(rb->resval.rstring, pattern);
    }
    acutRelRb(chain);
    return found;
}

} // namespace

bool wildcardMatch(const std::wstring& text, const std::wstring& pattern) {
    if (!pattern.empty() && pattern[0] == L'~')
        return !wildcardMatch(text, pattern.substr(1));
    for (const std::wstring& alt : alternatives(pattern)) {
        if (matchHere(text, 0, alt, 0))
            return true;
    }
    return false;
}

bool SelectionFilter::read(const resbuf* chain) {
    m_items.clear();
    for (const resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
        Item item;
        item.code = rb->restype == RTDXF0 ? 0 : rb->restype;
        switch (item.code) {
        case 0:
        case 2:
        case 8:
        case 1001:
            if (rb->resval.rstring == nullptr)
                return false;
            item.text = rb->resval.rstring;
            break;
        case 62:
        case 67:
            item.number = rb->resval.rint;
            break;
        default:
            return false;
        }
        m_items.push_back(item);
    }
    return true;
}

bool SelectionFilter::matches(const Candidate& c) const {
    for (const Item& item : m_items) {
        if (!holds(item, c))
            return false;
    }
    return true;
}

bool SelectionFilter::holds(const Item& item, const Candidate& c) const {
    const AcDbEntity& ent = *c.entity;
    switch (item.code) {
    case 0:
        return wildcardMatch(typeName(ent), item.text);
    case 2:
        return AcDbBlockReference::cast(&ent) != nullptr &&
               wildcardMatch(blockName(ent), item.text);
    case 8:
        return wildcardMatch(layerName(ent), item.text);
    case 62:
        return ent.colorIndex() == item.number;
    case 67:
        return (c.paperSpace ? 1 : 0) == item.number;
    case 1001:
        return hasXDataOf(ent, item.text);
    default:
        return false;
    }
}

} // namespace hxhost::detail
