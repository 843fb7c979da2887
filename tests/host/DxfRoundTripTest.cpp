// Drawings written as DXF and read back: the same objects, handles and xdata;
// files accepted by an independent reader (ezdxf).
#include "DxfDrawing.h"

#include "hxhost/DxfFile.h"

#include <cstdlib>

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

class DxfRoundTrip : public DxfTest {};

TEST_F(DxfRoundTrip, WritingWhatWasReadGivesTheSameFile) {
    fillDrawing();
    const std::string first = tempFile("first.dxf");
    const std::string second = tempFile("second.dxf");
    ASSERT_EQ(db()->saveAs(wide(first).c_str(), false), Acad::eOk);
    auto* copy = new AcDbDatabase(false, false);
    ASSERT_EQ(copy->readDwgFile(wide(first).c_str()), Acad::eOk) << hxhost::lastFileError();
    EXPECT_TRUE(hxhost::lastFileFindings().empty());
    ASSERT_EQ(copy->saveAs(wide(second).c_str(), false), Acad::eOk);
    EXPECT_EQ(slurp(first), slurp(second));
    EXPECT_EQ(hxhost::objectCount(copy), hxhost::objectCount(db()));
    delete copy;
}

TEST_F(DxfRoundTrip, ObjectsKeepHandlesValuesAndXData) {
    fillDrawing();
    const std::string path = tempFile("values.dxf");
    ASSERT_EQ(db()->saveAs(wide(path).c_str(), false), Acad::eOk);
    AcDbDatabase copy(false, false);
    ASSERT_EQ(copy.readDwgFile(wide(path).c_str(), 1), Acad::eOk) << hxhost::lastFileError();
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(db()->getBlockTable(table), Acad::eOk);
    AcDbBlockTableRecord* space = nullptr;
    table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForRead);
    table->close();
    AcDbBlockTableRecordIterator* it = nullptr;
    space->newIterator(it);
    int compared = 0;
    for (; !it->done(); it->step()) {
        AcDbEntity* mine = nullptr;
        it->getEntity(mine, AcDb::kForRead);
        AcDbObjectId other;
        ASSERT_EQ(copy.getAcDbObjectId(other, false, mine->handle()), Acad::eOk);
        AcDbEntity* theirs = nullptr;
        ASSERT_EQ(acdbOpenAcDbEntity(theirs, other, AcDb::kForRead), Acad::eOk);
        EXPECT_EQ(theirs->isA(), mine->isA());
        resbuf* a = mine->xData();
        resbuf* b = theirs->xData();
        for (resbuf *p = a, *q = b; p || q; p = p->rbnext, q = q->rbnext) {
            ASSERT_TRUE(p && q);
            EXPECT_EQ(p->restype, q->restype);
        }
        acutRelRb(a);
        acutRelRb(b);
        ACHAR* l1 = mine->layer();
        ACHAR* l2 = theirs->layer();
        EXPECT_STREQ(l1, l2);
        acutDelString(l1);
        acutDelString(l2);
        EXPECT_EQ(theirs->colorIndex(), mine->colorIndex());
        if (auto* t = AcDbText::cast(theirs)) {
            EXPECT_STREQ(t->textStringConst(), AcDbText::cast(mine)->textStringConst());
            EXPECT_NEAR(t->rotation(), AcDbText::cast(mine)->rotation(), 1e-12);
        }
        if (auto* m = AcDbMText::cast(theirs)) {
            EXPECT_STREQ(m->contentsConst(), AcDbMText::cast(mine)->contentsConst());
        }
        if (auto* p = AcDbPolyline::cast(theirs)) {
            double s = 0, e = 0, bulge = 0;
            p->getWidthsAt(2, s, e);
            p->getBulgeAt(1, bulge);
            EXPECT_EQ(s, 0.1);
            EXPECT_EQ(bulge, 0.5);
            EXPECT_TRUE(p->isClosed());
        }
        if (auto* ref = AcDbBlockReference::cast(theirs)) {
            ASSERT_EQ(ref->attributeIds().length(), 1);
            EXPECT_EQ(ref->attributeIds()[0].handle(),
                      AcDbBlockReference::cast(mine)->attributeIds()[0].handle());
        }
        theirs->close();
        mine->close();
        ++compared;
    }
    delete it;
    space->close();
    EXPECT_EQ(compared, 6);
}

TEST_F(DxfRoundTrip, WblockCopiesEveryObject) {
    fillDrawing();
    AcDbDatabase* copy = nullptr;
    ASSERT_EQ(db()->wblock(copy), Acad::eOk) << hxhost::lastFileError();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(hxhost::objectCount(copy), hxhost::objectCount(db()));
    AcDbObjectId id;
    EXPECT_EQ(copy->getAcDbObjectId(id, false, m_insert.handle()), Acad::eOk);
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
