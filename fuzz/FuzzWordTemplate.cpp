// Fuzz harness: a report template opened by the in-process Word
// (Documents.Add), its text, bookmarks and tables read, the document saved
// and closed. Input that starts as a zip is the whole template; any other
// input is the template's main part, packaged with the parts around it.
#include "FuzzSupport.h"

#include "HxAecUtility.h"
#include "hxhost/Word.h"

#include "../tests/support/WordPackageParts.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The template file for this input, as a wide path.
std::wstring templateFor(const uint8_t* data, size_t size) {
    if (size >= 2 && data[0] == 'P' && data[1] == 'K')
        return hxfuzz::writeScratch("template.dotx", data, size);
    const std::string path = hxfuzz::scratchPath("template.dotx");
    const std::string document(reinterpret_cast<const char*>(data), size);
    std::string error;
    if (!hxhost::writeWordPackage(path,
                                  {{"[Content_Types].xml", hxtestword::contentTypes(false)},
                                   {"_rels/.rels", hxtestword::packageRels()},
                                   {"word/document.xml", document}},
                                  &error))
        std::abort();
    return std::wstring(path.begin(), path.end());
}

VARIANT textVariant(const std::wstring& text) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(text.c_str());
    return v;
}

VARIANT indexVariant(long index) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = index;
    return v;
}

// Reads what a report fills: the text, every bookmark's range and the
// first cell of every table; saves a copy and closes the document.
void readDocument(_Document& doc) {
    Range content(doc.GetContent());
    (void)content.GetText();
    Bookmarks marks(doc.GetBookmarks());
    const long markCount = marks.GetCount();
    for (long i = 1; i <= markCount && i <= 16; ++i) {
        VARIANT index = indexVariant(i);
        Bookmark mark(marks.Item(&index));
        Range range(mark.GetRange());
        (void)marks.Exists(mark.GetName());
        (void)range.GetText();
    }
    Tables tables(doc.GetTables());
    const long tableCount = tables.GetCount();
    for (long i = 1; i <= tableCount && i <= 8; ++i) {
        _Table table(tables.Item(i));
        if (table.GetRowCount() > 0 && table.GetColumnCount() > 0) {
            Cell cell(table.Cell(1, 1));
            Range range(cell.GetRange());
            (void)range.GetText();
        }
    }
    const std::string saved = hxfuzz::scratchPath("saved.docx");
    VARIANT file = textVariant(std::wstring(saved.begin(), saved.end()));
    doc.SaveAs(&file);
    VariantClear(&file);
    std::remove(saved.c_str());
}

// Opens the template as a new document; Word's refusals are answers.
void openTemplate(const std::wstring& path) {
    _Application app(hxhost::startWord());
    Documents docs(app.GetDocuments());
    VARIANT file = textVariant(path);
    try {
        _Document doc(docs.Add(&file, nullptr));
        try {
            readDocument(doc);
        } catch (CException* e) {
            e->Delete();
        }
        VARIANT no = indexVariant(0);
        doc.Close(&no);
    } catch (CException* e) {
        e->Delete();
    }
    VariantClear(&file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    openTemplate(templateFor(data, size));
    hxfuzz::requireCleanHost("word_template");
    return 0;
}
