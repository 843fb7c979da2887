// Writing a report through HxWtWordApplication and the Word wrappers.
#include "ReportWriter.h"
#include "ToolText.h"

#include "HxWtWordApplication.h"

namespace hxwt {
namespace {

// A variant owned for one call: a string (VT_BSTR) or a boolean.
class OwnedVariant {
public:
    explicit OwnedVariant(const std::string& text) {
        VariantInit(&v);
        const std::wstring wide = fromUtf8(text);
        v.vt = VT_BSTR;
        v.bstrVal = SysAllocString(wide.c_str());
        if (!v.bstrVal)
            AfxThrowMemoryException();
    }
    explicit OwnedVariant(bool value) {
        VariantInit(&v);
        v.vt = VT_BOOL;
        v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    }
    ~OwnedVariant() { VariantClear(&v); }
    OwnedVariant(const OwnedVariant&) = delete;
    OwnedVariant& operator=(const OwnedVariant&) = delete;
    VARIANT v;
};

void fillTable(_Table table, const ReportRows& rows) {
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            Cell cell(table.Cell(long(r + 1), long(c + 1)));
            Range range(cell.GetRange());
            range.SetText(fromUtf8(rows[r][c]).c_str());
        }
    }
}

void addTable(HxWtWordApplication& word, const char* bookmark, const ReportRows& rows) {
    OwnedVariant mark{std::string(bookmark)};
    const int cols = rows.empty() ? 0 : int(rows[0].size());
    fillTable(word.AddTable(mark.v, int(rows.size()), cols), rows);
}

void fill(HxWtWordApplication& word, const ReportContent& c, const std::string& out) {
    const std::pair<const char*, const std::string*> texts[] = {
        {"Title", &c.title}, {"Drawing", &c.drawing}, {"Date", &c.date}, {"Counts", &c.counts}};
    for (const auto& [name, text] : texts) {
        OwnedVariant mark{std::string(name)};
        word.WriteBookMarks(mark.v, fromUtf8(*text).c_str());
    }
    addTable(word, "Pipes", c.pipes);
    addTable(word, "Wells", c.nodes);
    _Document document = word.GetDocument();
    OwnedVariant file{out};
    document.SaveAs(&file.v);
    OwnedVariant noSave{false};
    document.Close(&noSave.v);
}

std::string messageOf(CException* e) {
    wchar_t text[512];
    e->GetErrorMessage(text, 512);
    e->Delete();
    return toUtf8(text);
}

} // namespace

bool writeReport(const std::string& templatePath, const ReportContent& content,
                 const std::string& out, std::string* error, bool* badTemplate) {
    HxWtWordApplication word;
    *badTemplate = false;
    try {
        // LoadTemplate throws the framework's memory exception when the
        // template's name cannot be made into an automation string.
        if (!word.LoadTemplate(fromUtf8(templatePath).c_str())) {
            *badTemplate = true;
            *error = "Word cannot make a document from this template";
            return false;
        }
        fill(word, content, out);
        return true;
    } catch (CException* e) {
        *error = messageOf(e);
        return false;
    }
}

} // namespace hxwt
