// Drawings written as DXF and read back: the same objects, handles and xdata;
// files accepted by an independent reader (ezdxf).
#include "ChainText.h"
#include "dxf/DxfDrawing.h"

#include "hxhost/DxfFile.h"

#include <sys/stat.h>

#include <cstdlib>
#include <map>
#include <thread>

namespace {

bool ezdxfAvailable() {
    return std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") == 0;
}

std::string ezdxfCheck(const std::string& path) {
    const std::string cmd =
        "/usr/bin/python3 " HXDXF_FIXTURES "/ezdxf_check.py '" + path + "' 2>&1";
    std::string out;
    FILE* pipe = popen(cmd.c_str(), "r");
    char buf[256];
    while (pipe && fgets(buf, sizeof buf, pipe))
        out += buf;
    const int rc = pipe ? pclose(pipe) : -1;
    return rc == 0 ? std::string() : (out.empty() ? std::string("failed") : out);
}

// What the round trip must keep of an entity: class, layer, colour, xdata
// and the values of each kind, as one text.
std::wstring summary(const AcDbEntity& ent) {
    std::wostringstream out;
    ACHAR* layer = ent.layer();
    resbuf* xdata = ent.xData();
    out << ent.isA()->name() << L" on " << layer << L" colour " << ent.colorIndex() << L" ["
        << chainText(xdata) << L"]";
    acutDelString(layer);
    acutRelRb(xdata);
    if (auto* t = AcDbText::cast(&ent))
        out << L" text " << t->textStringConst() << L" at " << t->rotation();
    if (auto* m = AcDbMText::cast(&ent))
        out << L" mtext " << m->contentsConst();
    if (auto* p = AcDbPolyline::cast(&ent)) {
        for (unsigned i = 0; i < p->numVerts(); ++i) {
            AcGePoint2d pt;
            double bulge = 0, from = 0, to = 0;
            p->getPointAt(i, pt);
            p->getBulgeAt(i, bulge);
            p->getWidthsAt(i, from, to);
            out << L" (" << pt.x << L',' << pt.y << L' ' << bulge << L' ' << from << L'-' << to
                << L')';
        }
        out << (p->isClosed() ? L" closed" : L" open");
    }
    if (auto* ref = AcDbBlockReference::cast(&ent)) {
        for (const AcDbObjectId& att : ref->attributeIds())
            out << L" attribute " << att.handle().value();
    }
    return out.str();
}

// The summaries of a database's model-space entities by handle.
std::map<Adesk::UInt64, std::wstring> summaries(AcDbDatabase* db) {
    std::map<Adesk::UInt64, std::wstring> out;
    AcDbBlockTable* table = nullptr;
    AcDbBlockTableRecord* space = nullptr;
    db->getBlockTable(table);
    table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForRead);
    table->close();
    AcDbBlockTableRecordIterator* it = nullptr;
    space->newIterator(it);
    for (; !it->done(); it->step()) {
        AcDbEntity* ent = nullptr;
        it->getEntity(ent, AcDb::kForRead);
        out[ent->objectId().handle().value()] = summary(*ent);
        ent->close();
    }
    delete it;
    space->close();
    return out;
}

class DxfRoundTrip : public DxfTest {};

TEST_F(DxfRoundTrip, ObjectsKeepHandlesValuesAndXDataAndRewriteToTheSameFile) {
    fillDrawing();
    const std::string first = tempFile("first.dxf");
    const std::string second = tempFile("second.dxf");
    ASSERT_EQ(db()->saveAs(wide(first).c_str(), false), Acad::eOk);
    auto* copy = new AcDbDatabase(false, false);
    ASSERT_EQ(copy->readDwgFile(wide(first).c_str()), Acad::eOk) << hxhost::lastFileError();
    EXPECT_TRUE(hxhost::lastFileFindings().empty());
    EXPECT_EQ(hxhost::objectCount(copy), hxhost::objectCount(db()));
    const auto mine = summaries(db());
    EXPECT_EQ(mine.size(), 6u);
    EXPECT_EQ(summaries(copy), mine);
    ASSERT_EQ(copy->saveAs(wide(second).c_str(), false), Acad::eOk);
    EXPECT_EQ(slurp(first), slurp(second));
    delete copy;
}

TEST_F(DxfRoundTrip, EzdxfAcceptsTheFilesWeWrite) {
    if (!ezdxfAvailable())
        GTEST_SKIP() << "/usr/bin/python3 cannot import ezdxf";
    const std::string empty = tempFile("empty.dxf");
    ASSERT_EQ(db()->saveAs(wide(empty).c_str(), false), Acad::eOk);
    EXPECT_EQ(ezdxfCheck(empty), "");
    fillDrawing();
    const std::string full = tempFile("full.dxf");
    ASSERT_EQ(db()->saveAs(wide(full).c_str(), false), Acad::eOk);
    EXPECT_EQ(ezdxfCheck(full), "");
}

} // namespace

TEST_F(DxfRoundTrip, BlockBasePointIsWrittenAndReadBack) {
    const AcDbObjectId ref = addBlockWithAttribute();
    AcDbBlockReference* insert = nullptr;
    ASSERT_EQ(acdbOpenObject(insert, ref, AcDb::kForRead), Acad::eOk);
    AcDbBlockTableRecord* block = nullptr;
    ASSERT_EQ(acdbOpenObject(block, insert->blockTableRecord(), AcDb::kForRead), Acad::eOk);
    insert->close();
    EXPECT_EQ(block->setOrigin({20, 30, 0}), Acad::eNotOpenForWrite);
    ASSERT_EQ(block->upgradeOpen(), Acad::eOk);
    EXPECT_EQ(block->setOrigin({20, 30, 1.5}), Acad::eOk);
    block->close();

    const std::string path = tempFile("base.dxf");
    ASSERT_EQ(db()->saveAs(wide(path).c_str(), false), Acad::eOk);
    auto* copy = new AcDbDatabase(false, false);
    ASSERT_EQ(copy->readDwgFile(wide(path).c_str()), Acad::eOk) << hxhost::lastFileError();
    EXPECT_TRUE(hxhost::lastFileFindings().empty());
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(copy->getBlockTable(table, AcDb::kForRead), Acad::eOk);
    AcDbBlockTableRecord* copied = nullptr;
    ASSERT_EQ(table->getAt(L"ELEV", copied, AcDb::kForRead), Acad::eOk);
    table->close();
    EXPECT_EQ(copied->origin(), AcGePoint3d(20, 30, 1.5));
    copied->close();
    delete copy;
}

namespace {

// A file whose size is not known before it is read (a pipe) reads whole.
TEST_F(DxfRoundTrip, DrawingReadFromAPipeReadsWhole) {
    fillDrawing();
    const std::string path = tempFile("piped.dxf");
    ASSERT_EQ(db()->saveAs(wide(path).c_str(), false), Acad::eOk);
    const std::string fifo = tempFile("pipe.dxf");
    std::remove(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << slurp(path); });
    auto* copy = new AcDbDatabase(false, false);
    const Acad::ErrorStatus es = copy->readDwgFile(wide(fifo).c_str());
    writer.join();
    ASSERT_EQ(es, Acad::eOk) << hxhost::lastFileError();
    EXPECT_EQ(summaries(copy), summaries(db()));
    delete copy;
}

} // namespace
