// The drawing's cached indexes over changes: after a change they answer as
// indexes built afresh, and a change that moves nothing they hold keeps them.
#include "HostTest.h"
#include "NetworkBuilder.h"

#include "ExtentsIndex.h"
#include "HxWtDbObject.h"
#include "NetworkIndex.h"
#include "dbapserv.h"

#include <functional>
#include <string>
#include <vector>

namespace {

using hxpeers::ExtentsIndex;
using hxpeers::NetworkIndex;

AcDbDatabase* working() {
    return acdbHostApplicationServices()->workingDatabase();
}

// Opens the entity of id for write, lets change act on it, closes it.
void write(AcDbObjectId id, const std::function<void(HxDbEntity&)>& change) {
    HxDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenObject(ent, id, AcDb::kForWrite), Acad::eOk);
    change(*ent);
    ent->close();
}

// Every entity with its connections, as the index answers.
std::string connectionsOf(const NetworkIndex& net) {
    std::string out;
    std::vector<int> row;
    for (int pos = 0; pos < net.size(); ++pos) {
        out += std::to_string(net.at(pos).id.handle().value()) + ':';
        net.connections(pos, row);
        for (int other : row)
            out += ' ' + std::to_string(net.at(other).id.handle().value());
        out += '\n';
    }
    return out;
}

// The hits at a row of points along the drawn network.
std::string hitsOf(const ExtentsIndex& index) {
    std::string out;
    for (double x = -1.0; x <= 31.0; x += 0.5) {
        for (double y : {-1.0, 0.0, 0.5, 1.0, 5.0}) {
            index.forEachHit(AcGePoint3d(x, y, 0), HxGeTolerance(), [&](const AcDbObjectId& id) {
                out += std::to_string(id.handle().value()) + ' ';
            });
            out += '\n';
        }
    }
    return out;
}

class IndexCache : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        wells = {net.well(0, 0), net.well(10, 0), net.well(20, 0)};
        pipes = {net.pipe(0, 0, 10, 0), net.pipe(10, 0, 20, 0), net.pipe(20, 0, 25, 0)};
        box = net.equipment(24, -1, 26, 1);
    }

public:
    NetworkBuilder net;
    std::vector<AcDbObjectId> wells, pipes;
    AcDbObjectId box;
};

// Each change between queries; the cached indexes must answer as fresh ones.
TEST_F(IndexCache, AnswersAsAFreshIndexAfterEveryKindOfChange) {
    const struct {
        const char* name;
        std::function<void(IndexCache&)> change;
    } cases[] = {
        {"flag",
         [](IndexCache& t) {
             write(t.pipes[2], [](HxDbEntity& e) {
                 static_cast<HxDbWtPipe&>(e).SetPipeFlag(HxDbWtPipe::kEquipLinkPipe);
             });
         }},
        {"pipe end moved",
         [](IndexCache& t) {
             write(t.pipes[1], [](HxDbEntity& e) {
                 static_cast<HxDbWtPipe&>(e).SetPoints(AcGePoint3d(10, 0, 0),
                                                       AcGePoint3d(20, 5, 0));
             });
         }},
        {"well moved",
         [](IndexCache& t) {
             write(t.wells[2], [](HxDbEntity& e) {
                 static_cast<HxDbWtWell&>(e).SetWellLocation(AcGePoint3d(20, 5, 0));
             });
         }},
        {"well erased", [](IndexCache& t) { write(t.wells[1], [](HxDbEntity& e) { e.erase(); }); }},
        {"pipe added", [](IndexCache& t) { t.net.pipe(20, 5, 30, 5); }},
        {"equipment added", [](IndexCache& t) { t.net.equipment(29, 4, 31, 6); }},
        {"equipment erased", [](IndexCache& t) { write(t.box, [](HxDbEntity& e) { e.erase(); }); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NetworkIndex::current(working());
        ExtentsIndex::current(working());
        c.change(*this);
        EXPECT_EQ(connectionsOf(*NetworkIndex::current(working())),
                  connectionsOf(NetworkIndex(working())));
        EXPECT_EQ(hitsOf(*ExtentsIndex::current(working())), hitsOf(ExtentsIndex(working())));
    }
}

// A flag written keeps both indexes; a moved end or a new entity does not.
TEST_F(IndexCache, KeepsTheIndexesOnlyOverChangesTheyDoNotHold) {
    const struct {
        const char* name;
        std::function<void(IndexCache&)> change;
        bool kept;
    } cases[] = {
        {"flag",
         [](IndexCache& t) {
             write(t.pipes[0], [](HxDbEntity& e) {
                 static_cast<HxDbWtPipe&>(e).SetPipeFlag(HxDbWtPipe::kEquipLinkPipe);
             });
         },
         true},
        {"opened for write only", [](IndexCache& t) { write(t.box, [](HxDbEntity&) {}); }, true},
        {"pipe end moved",
         [](IndexCache& t) {
             write(t.pipes[0], [](HxDbEntity& e) {
                 static_cast<HxDbWtPipe&>(e).SetPoints(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 1, 0));
             });
         },
         false},
        {"well added", [](IndexCache& t) { t.net.well(40, 40); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto net = NetworkIndex::current(working());
        const auto extents = ExtentsIndex::current(working());
        const std::string connections = connectionsOf(*net), hits = hitsOf(*extents);
        c.change(*this);
        EXPECT_EQ(NetworkIndex::current(working()) == net, c.kept);
        EXPECT_EQ(ExtentsIndex::current(working()) == extents, c.kept);
        // An index still held is not taken apart by the one replacing it.
        EXPECT_EQ(connectionsOf(*net), connections);
        EXPECT_EQ(hitsOf(*extents), hits);
    }
}

} // namespace
