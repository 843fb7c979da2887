// CheckPipe on the layouts that decide its rules: duplicates, pipes lying on
// longer ones in either order, touching, crossing and partly overlapping
// pipes, zero-length pipes in both modes, repeated ids, ids that are not
// pipes, and output lists that are appended to. Every case also runs through
// the literal sweep, which must agree.
#include "PipeDrawingTest.h"

#include <cctype>
#include <map>
#include <sstream>
#include <string>
#include <tuple>

#include "HxWtPipeCheckLiteral.h"

namespace {

// A case: the pipes drawn ("label x1 y1 x2 y2" in plan or "label x1 y1 z1 x2
// y2 z2", separated by ';'), the list as labels ('N' a line, 'E' an erased
// pipe, '0' the null id), and the three lists expected afterwards; overlapped
// and zeroLength start with a marker id that must stay at their head.
struct CheckCase {
    const char* name;
    int mode;
    const char* shapes;
    std::string list, pipes, overlapped, zeroLength;
};

const std::vector<CheckCase>& Cases() {
    static const std::vector<CheckCase> cases = {
        {"empty list", 0, "", "", "", "", ""},
        {"single zero-length pipe in space", 0, "Z 1 1 1 1", "Z", "", "", "Z"},
        {"single zero-length pipe in plan", 1, "Z 1 1 1 1", "Z", "Z", "", ""},
        {"vertical pipe in plan", 1, "V 1 1 0 1 1 5", "V", "V", "", ""},
        {"vertical pipe in space", 0, "V 1 1 0 1 1 5", "V", "V", "", ""},
        {"identical pipes", 0, "A 0 0 4 0; B 0 0 4 0", "AB", "A", "B", ""},
        {"reversed duplicate", 1, "A 0 0 4 0; B 4 0 0 0", "AB", "A", "B", ""},
        {"short after long", 0, "L 0 0 4 4; S 1 1 2 2", "LS", "L", "S", ""},
        {"short before long", 0, "L 0 0 4 4; S 1 1 2 2", "SL", "L", "S", ""},
        {"touching at an end", 0, "A 0 0 2 0; B 2 0 2 3", "AB", "AB", "", ""},
        {"crossing", 0, "A 0 0 2 2; B 0 2 2 0", "AB", "AB", "", ""},
        {"partly overlapping", 0, "A 0 0 3 0; B 2 0 5 0", "AB", "AB", "", ""},
        {"within the tolerance", 0, "A 0 0 3 0; B 1 5e-7 2 -5e-7", "AB", "A", "B", ""},
        {"just beyond the tolerance", 0, "A 0 0 3 0; B 1 2e-6 2 0", "AB", "AB", "", ""},
        {"stacked pipes in plan", 1, "A 0 0 0 4 0 0; B 1 0 9 2 0 9", "AB", "A", "B", ""},
        {"stacked pipes in space", 0, "A 0 0 0 4 0 0; B 1 0 9 2 0 9", "AB", "AB", "", ""},
        {"same id twice", 0, "A 0 0 4 0", "AA", "AA", "", ""},
        {"same id twice on a longer pipe", 0, "A 1 0 2 0; L 0 0 4 0", "ALA", "L", "AA", ""},
        {"zero-length id twice", 0, "Z 1 1 1 1", "ZZ", "", "", "ZZ"},
        {"zero-length pipes leave in list order", 0, "A 0 0 4 0; B 1 0 2 0; Y 7 7 7 7; Z 3 3 3 3",
         "ZBAY", "A", "B", "ZY"},
        {"a zero-length pipe on a pipe in plan", 1, "A 0 0 4 0; Z 1 0 1 0", "AZ", "A", "Z", ""},
        {"ids that do not open stay", 0, "A 0 0 4 0; B 0 0 4 0", "NAE0B", "NAE0", "B", ""},
        {"a chain of coverings", 0, "B 1 0 2 0; A 0 0 4 0; C 1 0 2 0", "BAC", "A", "BC", ""},
        {"the earlier pipe leaves and the pass restarts", 1,
         "S 1 0 2 0; L 0 0 3 0; T 1 0 2 0; U 0 0 3 0", "SLTU", "L", "STU", ""},
    };
    return cases;
}

using CheckFunction = void (*)(int, HxDbObjectIdList&, HxDbObjectIdList&, HxDbObjectIdList&);

class CheckPipeTest : public PipeDrawingTest,
                      public ::testing::WithParamInterface<std::tuple<CheckCase, bool>> {
protected:
    // Draws the case's pipes and the special ids.
    void draw(const CheckCase& c) {
        std::istringstream shapes(c.shapes);
        for (std::string shape; std::getline(shapes, shape, ';');) {
            std::istringstream in(shape);
            char label = 0;
            std::vector<double> v;
            in >> label;
            for (double x = 0; in >> x;)
                v.push_back(x);
            if (v.size() == 4)
                v = {v[0], v[1], 0, v[2], v[3], 0};
            ASSERT_EQ(v.size(), 6u) << shape;
            m_ids[label] = addPipe(AcGePoint3d(v[0], v[1], v[2]), AcGePoint3d(v[3], v[4], v[5]));
        }
        m_ids['N'] = addLine();
        m_ids['E'] = addPipe(AcGePoint3d(0, 0, 0), AcGePoint3d(4, 0, 0));
        erase(m_ids['E']);
        m_ids['0'] = AcDbObjectId();
        m_ids['X'] = addLine();
    }
    std::vector<AcDbObjectId> ids(const std::string& labels) {
        std::vector<AcDbObjectId> out;
        for (char label : labels)
            out.push_back(m_ids.at(label));
        return out;
    }
    std::map<char, AcDbObjectId> m_ids;
};

TEST_P(CheckPipeTest, SortsTheList) {
    const CheckCase& c = std::get<0>(GetParam());
    const CheckFunction check = std::get<1>(GetParam()) ? CheckPipe : HxWtInternalCheckPipeLiteral;
    draw(c);
    HxDbObjectIdList pipes, overlapped, zeroLength;
    fill(pipes, ids(c.list));
    fill(overlapped, ids("X"));
    fill(zeroLength, ids("X"));
    check(c.mode, pipes, overlapped, zeroLength);
    EXPECT_EQ(items(pipes), ids(c.pipes));
    EXPECT_EQ(items(overlapped), ids("X" + c.overlapped));
    EXPECT_EQ(items(zeroLength), ids("X" + c.zeroLength));
}
std::string CaseName(const ::testing::TestParamInfo<std::tuple<CheckCase, bool>>& info) {
    std::string name = std::get<0>(info.param).name;
    for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    }
    return name + (std::get<1>(info.param) ? "_pruned" : "_literal");
}

INSTANTIATE_TEST_SUITE_P(Layouts, CheckPipeTest,
                         ::testing::Combine(::testing::ValuesIn(Cases()), ::testing::Bool()),
                         CaseName);

} // namespace
