// The attributes of a block reference: appending (ownership, rules), the
// attribute iterator, and opening the attributes by id.
#include "DrawingFixture.h"

#include <string>
#include <vector>

namespace {

class BlockAttributeTest : public DrawingTest {
protected:
    // A block reference in model space with one attribute per tag; closed.
    AcDbObjectId addReference(const std::vector<const ACHAR*>& tags) {
        hxhost::addLayer(L"ELEV");
        auto* ref = new AcDbBlockReference({1, 2, 0}, AcDbObjectId::kNull);
        ref->setLayer(L"ELEV");
        const AcDbObjectId refId = hxhost::addToModelSpace(ref);
        EXPECT_EQ(acdbOpenObject(ref, refId, AcDb::kForWrite), Acad::eOk);
        for (const ACHAR* tag : tags) {
            auto* att = new AcDbAttribute({1, 2, 0}, L"v", tag);
            AcDbObjectId attId;
            EXPECT_EQ(ref->appendAttribute(attId, att), Acad::eOk);
            EXPECT_EQ(hxhost::openMode(attId), AcDb::kForWrite); // left open for the caller
            EXPECT_EQ(att->ownerId(), refId);
            EXPECT_EQ(att->layerId(), ref->layerId()); // takes the reference's layer
            att->close();
        }
        ref->close();
        return refId;
    }

    // The tags the iterator of the reference walks, opening each attribute.
    static std::vector<std::wstring> walk(AcDbObjectId refId) {
        std::vector<std::wstring> tags;
        AcDbBlockReference* ref = nullptr;
        EXPECT_EQ(acdbOpenObject(ref, refId, AcDb::kForRead), Acad::eOk);
        AcDbObjectIterator* it = ref->attributeIterator();
        ref->close(); // the iterator works on its snapshot of ids
        for (it->start(); !it->done(); it->step()) {
            EXPECT_EQ(it->entity(), nullptr);
            AcDbAttribute* att = nullptr;
            if (acdbOpenObject(att, it->objectId(), AcDb::kForRead) != Acad::eOk)
                continue;
            tags.push_back(att->tagConst());
            att->close();
        }
        EXPECT_TRUE(it->objectId().isNull());
        delete it;
        return tags;
    }
};

TEST_F(BlockAttributeTest, IteratorWalksAttributesInAppendOrder) {
    const AcDbObjectId refId = addReference({L"A", L"B", L"C"});
    EXPECT_EQ(walk(refId), (std::vector<std::wstring>{L"A", L"B", L"C"}));
    EXPECT_TRUE(walk(addReference({})).empty());
}

TEST_F(BlockAttributeTest, ErasedAttributesArePassedOver) {
    const AcDbObjectId refId = addReference({L"A", L"B", L"C"});
    AcDbBlockReference* ref = nullptr;
    ASSERT_EQ(acdbOpenObject(ref, refId, AcDb::kForRead), Acad::eOk);
    const AcDbObjectIdArray ids = ref->attributeIds();
    ref->close();
    ASSERT_EQ(ids.length(), 3);
    eraseObject(ids[0]);
    eraseObject(ids[1]);
    EXPECT_EQ(walk(refId), (std::vector<std::wstring>{L"C"}));
    ASSERT_EQ(acdbOpenObject(ref, refId, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(ref->attributeIds().length(), 3); // the ids stay, erased ones included
    ref->close();
}

TEST_F(BlockAttributeTest, AppendNeedsAResidentReferenceOpenForWrite) {
    const AcDbObjectId refId = addReference({L"A"});
    AcDbBlockReference loose({0, 0, 0}, AcDbObjectId::kNull);
    auto* att = new AcDbAttribute({0, 0, 0}, L"v", L"T");
    EXPECT_EQ(loose.appendAttribute(att), Acad::eNotInDatabase);
    AcDbBlockReference* ref = nullptr;
    ASSERT_EQ(acdbOpenObject(ref, refId, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(ref->appendAttribute(att), Acad::eNotOpenForWrite);
    EXPECT_EQ(ref->attributeIds().length(), 1);
    ref->close();
    delete att;
}

} // namespace
