// Range, Selection, ParagraphFormat, Bookmarks and Bookmark: positions of the
// main story, their text, their paragraphs' alignment, and named places.
//
// Bookmarks by index count the visible bookmarks (names not beginning with
// '_') in alphabetical order of their names, ignoring case, as Word's
// collection does; by name, any bookmark, ignoring case.
#include "Utf.h"
#include "WordObject.h"
#include "hxhost/WordTypeLib.h"

#include <algorithm>
#include <cwctype>

using namespace wordlib;

namespace hxword {
namespace {

std::wstring folded(const std::string& name) {
    std::wstring w = toWide(name);
    for (wchar_t& c : w)
        c = wchar_t(std::towlower(wint_t(c)));
    return w;
}

std::u32string newText(const Args& args) {
    std::wstring text = args.asString(0);
    return std::u32string(text.begin(), text.end());
}

std::wstring wideText(const std::u32string& text) {
    return std::wstring(text.begin(), text.end());
}

class RangeObject : public WordObject {
public:
    RangeObject(SessionRef s, DocRef doc, int start, int end)
        : WordObject(std::move(s), "Range"), m_doc(std::move(doc)), m_start(start), m_end(end) {}
    const DocRef& doc() const { return m_doc; }
    int start() const { return m_start; }
    int end() const { return m_end; }

protected:
    void call(DISPID member, WORD flags, const Args& args, VARIANT* result) override {
        Document& doc = openDoc(m_doc);
        switch (member) {
        case kRangeText:
            if (isPut(flags)) {
                m_end = doc.replace(m_start, m_end, newText(args));
                return;
            }
            return returnString(result, wideText(doc.text(m_start, m_end)));
        case kRangeStart:
            return returnLong(result, m_start);
        case kRangeEnd:
            return returnLong(result, m_end);
        case kRangeParagraphFormat:
            return returnObject(result, newParagraphFormat(session(), m_doc, m_start, m_end));
        case kRangeSelect:
            m_doc->selStart = m_start, m_doc->selEnd = m_end;
            return;
        default:
            throw BadArgument{DISP_E_MEMBERNOTFOUND};
        }
    }

private:
    DocRef m_doc;
    int m_start, m_end;
};

class SelectionObject : public WordObject {
public:
    SelectionObject(SessionRef s, DocRef doc)
        : WordObject(std::move(s), "Selection"), m_doc(std::move(doc)) {}

protected:
    void call(DISPID member, WORD flags, const Args& args, VARIANT* result) override {
        Document& doc = openDoc(m_doc);
        DocState& d = *m_doc;
        switch (member) {
        case kSelText:
            if (isPut(flags)) { // the selection then covers the new text
                d.selEnd = doc.replace(d.selStart, d.selEnd, newText(args));
                return;
            }
            return returnString(result, wideText(doc.text(d.selStart, d.selEnd)));
        case kSelStart:
            return returnLong(result, d.selStart);
        case kSelEnd:
            return returnLong(result, d.selEnd);
        case kSelRange:
            return returnObject(result, newRange(session(), m_doc, d.selStart, d.selEnd));
        default:
            throw BadArgument{DISP_E_MEMBERNOTFOUND};
        }
    }

private:
    DocRef m_doc;
};

class ParagraphFormatObject : public WordObject {
public:
    ParagraphFormatObject(SessionRef s, DocRef doc, int start, int end)
        : WordObject(std::move(s), "ParagraphFormat"), m_doc(std::move(doc)), m_start(start),
          m_end(end) {}

protected:
    void call(DISPID member, WORD flags, const Args& args, VARIANT* result) override {
        Document& doc = openDoc(m_doc);
        if (member != kParaAlignment)
            throw BadArgument{DISP_E_MEMBERNOTFOUND};
        if (isPut(flags))
            return doc.setAlignment(m_start, m_end, int(args.asLong(0)));
        returnLong(result, doc.alignment(m_start, m_end));
    }

private:
    DocRef m_doc;
    int m_start, m_end;
};

// The bookmark named `name` (ignoring case), or null.
const BookmarkInfo* findMark(const std::vector<BookmarkInfo>& marks, const std::string& name) {
    const std::wstring key = folded(name);
    for (const BookmarkInfo& b : marks)
        if (folded(b.name) == key)
            return &b;
    return nullptr;
}

class BookmarkObject : public WordObject {
public:
    BookmarkObject(SessionRef s, DocRef doc, std::string name)
        : WordObject(std::move(s), "Bookmark"), m_doc(std::move(doc)), m_name(std::move(name)) {}

protected:
    void call(DISPID member, WORD, const Args&, VARIANT* result) override {
        Document& doc = openDoc(m_doc);
        const std::vector<BookmarkInfo> marks = doc.bookmarks();
        const BookmarkInfo* mark = findMark(marks, m_name);
        if (!mark)
            throw objectDeleted(); // its text was replaced
        if (member == kBookmarkName)
            return returnString(result, toWide(mark->name));
        if (member != kBookmarkRange)
            throw BadArgument{DISP_E_MEMBERNOTFOUND};
        returnObject(result, newRange(session(), m_doc, mark->start, mark->end));
    }

private:
    DocRef m_doc;
    std::string m_name;
};

class BookmarksObject : public WordObject {
public:
    BookmarksObject(SessionRef s, DocRef doc)
        : WordObject(std::move(s), "Bookmarks"), m_doc(std::move(doc)) {}

protected:
    void call(DISPID member, WORD, const Args& args, VARIANT* result) override {
        Document& doc = openDoc(m_doc);
        const std::vector<BookmarkInfo> marks = doc.bookmarks();
        switch (member) {
        case kBookmarksCount:
            return returnLong(result, long(visible(marks).size()));
        case kBookmarksExists:
            return returnBool(result, findMark(marks, toUtf8(args.asString(0))) != nullptr);
        case kBookmarksItem:
            return returnObject(result, newBookmark(session(), m_doc, item(marks, args)));
        default:
            throw BadArgument{DISP_E_MEMBERNOTFOUND};
        }
    }

private:
    static std::vector<std::string> visible(const std::vector<BookmarkInfo>& marks) {
        std::vector<std::string> names;
        for (const BookmarkInfo& b : marks)
            if (!b.name.empty() && b.name[0] != '_')
                names.push_back(b.name);
        std::stable_sort(
            names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return folded(a) < folded(b); });
        return names;
    }

    static std::string item(const std::vector<BookmarkInfo>& marks, const Args& args) {
        if (args.at(0).vt == VT_BSTR) {
            const BookmarkInfo* mark = findMark(marks, toUtf8(args.asString(0)));
            if (!mark)
                throw noSuchMember();
            return mark->name;
        }
        const std::vector<std::string> names = visible(marks);
        const long index = args.asLong(0);
        if (index < 1 || index > long(names.size()))
            throw noSuchMember();
        return names[size_t(index - 1)];
    }

    DocRef m_doc;
};

} // namespace

WordObject* newRange(SessionRef s, DocRef doc, int start, int end) {
    return new RangeObject(std::move(s), std::move(doc), start, end);
}
WordObject* newSelection(SessionRef s, DocRef doc) {
    return new SelectionObject(std::move(s), std::move(doc));
}
WordObject* newParagraphFormat(SessionRef s, DocRef doc, int start, int end) {
    return new ParagraphFormatObject(std::move(s), std::move(doc), start, end);
}
WordObject* newBookmarks(SessionRef s, DocRef doc) {
    return new BookmarksObject(std::move(s), std::move(doc));
}
WordObject* newBookmark(SessionRef s, DocRef doc, const std::string& name) {
    return new BookmarkObject(std::move(s), std::move(doc), name);
}

bool rangeOf(IDispatch* dispatch, DocRef& doc, int& start, int& end) {
    auto* range = dynamic_cast<RangeObject*>(static_cast<WordObject*>(dispatch));
    if (!range)
        return false;
    doc = range->doc(), start = range->start(), end = range->end();
    return true;
}

} // namespace hxword
