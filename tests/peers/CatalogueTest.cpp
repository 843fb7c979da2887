// Part-library catalogues: every supported encoding, the document-order
// search over nested directories, and files that are not read (with why).
#include "HostTest.h"
#include "TempTree.h"

#include "HxAecDataBase.h"
#include "hxpeers/CatalogueRead.h"

namespace {

// "闸阀" in UTF-8 and in GBK.
const std::string kGateUtf8 = "\xE9\x97\xB8\xE9\x98\x80";
const std::string kGateGbk = "\xD5\xA2\xB7\xA7";

std::string catalogue(const std::string& encoding, const std::string& gateName) {
    return "<?xml version=\"1.0\" encoding=\"" + encoding +
           "\"?>\n<DwgLib name=\"lib\">\n"
           "  <Directory name=\"a\">\n"
           "    <Directory name=\"b\"><Item name=\"Gate\" file3d=\"G1.obj\" datafile=\"G1.dxf\"/>"
           "</Directory>\n"
           "    <Item name=\"" +
           gateName +
           "\" file3d=\"Z.obj\" datafile=\"Z.dxf\"/>\n"
           "  </Directory>\n"
           "  <Item name=\"Gate\" file3d=\"G2.obj\" datafile=\"G2.dxf\"/>\n"
           "  <Item name=\"gate\" datafile=\"g.dxf\"/>\n"
           "</DwgLib>\n";
}

// ASCII and BMP text (given as UTF-8 of at most three bytes a character) as
// UTF-16 with its byte-order mark.
std::string utf16(const std::string& utf8, bool littleEndian) {
    std::string out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        unsigned code = c;
        if (c >= 0xE0) {
            code = ((c & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F);
            i += 3;
        } else {
            i += 1;
        }
        const char hi = static_cast<char>(code >> 8), lo = static_cast<char>(code & 0xFF);
        out += littleEndian ? std::string{lo, hi} : std::string{hi, lo};
    }
    return out;
}

class CatalogueTest : public HostTest {
protected:
    bool read(const std::string& bytes) {
        m_path = m_tree.write("Lib/SysLib.dml", bytes);
        m_lib.SetFileName(std::filesystem::path(m_path).wstring().c_str());
        return m_lib.ReadFromXML();
    }
    TempTree m_tree{"dml"};
    std::string m_path;
    HxDtDwgLib m_lib;
};

TEST_F(CatalogueTest, ReadsEveryEncodingAndFindsTheFirstExactMatch) {
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"UTF-8", catalogue("UTF-8", kGateUtf8)},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + catalogue("utf-8", kGateUtf8)},
        {"UTF-16LE", utf16(catalogue("UTF-16", kGateUtf8), true)},
        {"UTF-16BE", utf16(catalogue("UTF-16", kGateUtf8), false)},
        {"GB2312", catalogue("GB2312", kGateGbk)},
        {"GBK", catalogue("gbk", kGateGbk)},
        {"GB18030", catalogue("GB18030", kGateGbk)},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        ASSERT_TRUE(read(f.bytes)) << hxpeers::lastCatalogueError();
        EXPECT_EQ(hxpeers::lastCatalogueError(), "");
        const HxDtLibItem* chinese = m_lib.FindItem(L"name", L"\u95F8\u9600");
        ASSERT_NE(chinese, nullptr);
        EXPECT_EQ(chinese->GetDataFile(), L"Z.dxf");
        const HxDtLibItem* gate = m_lib.FindItem(L"name", L"Gate");
        ASSERT_NE(gate, nullptr);
        EXPECT_EQ(gate->GetAttributeValue(L"file3d"), L"G1.obj"); // nested, earlier in the file
        EXPECT_EQ(m_lib.FindItem(L"name", L"gate")->GetAttributeValue(L"file3d"), L"");
        EXPECT_EQ(m_lib.FindItem(L"name", L"GATE"), nullptr);
        EXPECT_EQ(m_lib.FindItem(L"file3d", L"G2.obj")->GetDataFile(), L"G2.dxf");
        EXPECT_EQ(m_lib.FindItem(L"file3d", L""), nullptr); // absent is not empty
        EXPECT_EQ(m_lib.FindItem(nullptr, L"Gate"), nullptr);
    }
}

TEST_F(CatalogueTest, FilesThatAreNotCataloguesAreNotReadAndSayWhy) {
    const std::string good = catalogue("UTF-8", kGateUtf8);
    ASSERT_TRUE(read(good));
    const struct {
        const char* name;
        std::string bytes;
        std::string says;
    } cases[] = {
        {"empty", "", ":1: expected a catalogue (<DwgLib>), found an empty file"},
        {"blank", "  \n", ": expected a catalogue (<DwgLib>), found no element"},
        {"truncated", good.substr(0, good.size() / 2), ": expected well-formed XML, found "},
        {"wrong root", "<?xml version=\"1.0\"?>\n<Lib/>", ":2: expected the root element <DwgLib>"},
        {"unknown element", "<DwgLib>\n<Directory>\n<Part/></Directory></DwgLib>",
         ":3: expected <Directory> or <Item>, found <Part>"},
        {"element in an item", "<DwgLib><Item>\n<Item/></Item></DwgLib>",
         ":2: expected the end of <Item>, found <Item>"},
        {"unsupported encoding", catalogue("Big5", "x"), ":1: expected the encoding UTF-8"},
        {"UTF-16 without BOM", catalogue("UTF-16", "x"), ":1: expected the encoding UTF-8"},
        {"GBK bytes declared UTF-8", catalogue("UTF-8", kGateGbk), ":5: expected UTF-8 text"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(read(c.bytes));
        EXPECT_EQ(m_lib.FindItem(L"name", L"Gate"), nullptr); // nothing kept from before
        EXPECT_EQ(hxpeers::lastCatalogueError().rfind(m_path, 0), 0u);
        EXPECT_NE(hxpeers::lastCatalogueError().find(c.says), std::string::npos)
            << hxpeers::lastCatalogueError();
    }
    m_lib.SetFileName(
        (std::filesystem::path(m_tree.path()).wstring() + L"\\lib\\None.dml").c_str());
    EXPECT_FALSE(m_lib.ReadFromXML());
    EXPECT_EQ(hxpeers::lastCatalogueError(),
              m_tree.path("Lib/None.dml") + ":0: the file does not open");
}

TEST_F(CatalogueTest, EveryTruncationIsRefused) {
    const std::string good = catalogue("GBK", kGateGbk);
    const std::size_t end = good.rfind("</DwgLib>") + 9;
    for (std::size_t n = 0; n < end; ++n)
        EXPECT_FALSE(read(good.substr(0, n))) << "cut at " << n;
}

} // namespace
