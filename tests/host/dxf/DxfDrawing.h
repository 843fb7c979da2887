// Test support for the DXF tests: a drawing holding every entity kind the
// stand-in writes, with xdata, a block with an attribute and Chinese text,
// and file helpers.
#pragma once

#include "DrawingFixture.h"

#include "acedads.h"
#include "acutads.h"
#include "dbmtext.h"
#include "dbpl.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

class DxfTest : public DrawingTest {
protected:
    void TearDown() override {
        for (const std::string& path : m_files)
            std::remove(path.c_str());
        DrawingTest::TearDown();
    }

    // A file name in the temporary directory, removed after the test.
    std::string tempFile(const std::string& name) {
        const std::string path = ::testing::TempDir() + "hxdxf_" + name;
        m_files.push_back(path);
        return path;
    }
    static std::wstring wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }
    static std::string slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void spit(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    static void tag(AcDbObjectId id, resbuf* chain) {
        AcDbObject* obj = nullptr;
        ASSERT_EQ(acdbOpenObject(obj, id, AcDb::kForWrite), Acad::eOk);
        EXPECT_EQ(obj->setXData(chain), Acad::eOk);
        obj->close();
        acutRelRb(chain);
    }

    // Fills the working database with one of every kind.
    void fillDrawing() {
        acdbRegApp(L"HxSZ_BGWZ");
        acdbRegApp(L"HXTEST");
        hxhost::addLayer(L"管线", true);
        const AcDbObjectId line = addLine({0, 0, 0}, {10.5, 2.25, 1});
        const ads_real pt[3] = {1, 2, 3};
        ads_binary chunk{3, const_cast<char*>("\x01\x02\xff")};
        tag(line,
            acutBuildList(1001, L"HXTEST", 1000, L"中文 text", 1002, L"{", 1070, 7, 1071, 123456,
                          1040, 0.1, 1010, pt, 1002, L"}", 1004, &chunk, 1005, L"1F", 0));
        auto* text = new AcDbText({5, 6, 0}, L"12.35", AcDbObjectId::kNull, 2.5, 0.5);
        const AcDbObjectId textId = hxhost::addToModelSpace(text);
        tag(textId, acutBuildList(1001, L"HxSZ_BGWZ", 1000, L"", 0));
        auto* mtext = new AcDbMText;
        mtext->setLocation({7, 8, 0});
        mtext->setContents(L"{\\fArial;高程}\\P3.5");
        mtext->setLayer(L"管线");
        hxhost::addToModelSpace(mtext);
        auto* circle = new AcDbCircle({1, 1, 0}, AcGeVector3d::kZAxis, 4);
        circle->setColorIndex(3);
        hxhost::addToModelSpace(circle);
        auto* pline = new AcDbPolyline;
        pline->addVertexAt(0, {0, 0});
        pline->addVertexAt(1, {4, 0}, 0.5);
        pline->addVertexAt(2, {4, 3}, 0, 0.1, 0.2);
        pline->setClosed(true);
        hxhost::addToModelSpace(pline);
        m_insert = addBlockWithAttribute();
    }

    // A block "ELEV" with an attribute definition, and a reference to it in
    // model space with one attribute.
    AcDbObjectId addBlockWithAttribute() {
        AcDbBlockTable* table = nullptr;
        EXPECT_EQ(db()->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
        auto* block = new AcDbBlockTableRecord;
        block->setName(L"ELEV");
        AcDbObjectId blockId;
        EXPECT_EQ(table->add(blockId, block), Acad::eOk);
        table->close();
        AcDbEntity* parts[] = {new AcDbAttributeDefinition({0, 0, 0}, L"0", L"H", L"高程?"),
                               new AcDbLine({0, 0, 0}, {1, 1, 0})};
        for (AcDbEntity* part : parts) {
            EXPECT_EQ(block->appendAcDbEntity(part), Acad::eOk);
            part->close();
        }
        block->close();
        AcDbBlockReference* ref = nullptr;
        const AcDbObjectId refId =
            hxhost::addToModelSpace(new AcDbBlockReference({20, 30, 0}, blockId));
        EXPECT_EQ(acdbOpenObject(ref, refId, AcDb::kForWrite), Acad::eOk);
        auto* att = new AcDbAttribute({20, 30, 0}, L"45.6", L"H");
        EXPECT_EQ(ref->appendAttribute(att), Acad::eOk);
        att->close();
        ref->close();
        return refId;
    }

    AcDbObjectId m_insert;

private:
    std::vector<std::string> m_files;
};
