// CheckPipe on the layouts that decide its rules: duplicates, pipes lying on
// longer ones in either order, touching, crossing and partly overlapping
// pipes, zero-length pipes in both modes, repeated ids, ids that are not
// pipes, and output lists that are appended to. Every case also runs through
// the literal sweep, which must agree.
#include "PipeDrawingTest.h"

#include <cctype>
#include <map>
#include <string>
#include <tuple>

#include "HxWtPipeCheckLiteral.h"

namespace {

struct PipeShape {
    char label;
    AcGePoint3d start;
    AcGePoint3d end;
};

// A case: the pipes drawn, the list as labels ('N' a line, 'E' an erased pipe,
// '0' the null id), and the three lists expected afterwards (overlapped and
// zeroLength start as "X", a marker id that must stay at their head).
struct CheckCase {
    const char* name;
    int mode;
    std::vector<PipeShape> shapes;
    std::string list;
    std::string pipes;
    std::string overlapped;
    std::string zeroLength;
};

AcGePoint3d P(double x, double y, double z = 0) {
    return AcGePoint3d(x, y, z);
}

const std::vector<CheckCase>& Cases() {
    static const std::vector<CheckCase> cases = {
        {"empty list", 0, {}, "", "", "X", "X"},
        {"single zero-length pipe in space", 0, {{'Z', P(1, 1), P(1, 1)}}, "Z", "", "X", "XZ"},
        {"single zero-length pipe in plan", 1, {{'Z', P(1, 1), P(1, 1)}}, "Z", "Z", "X", "X"},
        {"vertical pipe in plan", 1, {{'V', P(1, 1, 0), P(1, 1, 5)}}, "V", "V", "X", "X"},
        {"vertical pipe in space", 0, {{'V', P(1, 1, 0), P(1, 1, 5)}}, "V", "V", "X", "X"},
        {"identical pipes",
         0,
         {{'A', P(0, 0), P(4, 0)}, {'B', P(0, 0), P(4, 0)}},
         "AB",
         "A",
         "XB",
         "X"},
        {"reversed duplicate",
         1,
         {{'A', P(0, 0), P(4, 0)}, {'B', P(4, 0), P(0, 0)}},
         "AB",
         "A",
         "XB",
         "X"},
        {"short after long",
         0,
         {{'L', P(0, 0), P(4, 4)}, {'S', P(1, 1), P(2, 2)}},
         "LS",
         "L",
         "XS",
         "X"},
        {"short before long",
         0,
         {{'L', P(0, 0), P(4, 4)}, {'S', P(1, 1), P(2, 2)}},
         "SL",
         "L",
         "XS",
         "X"},
        {"touching at an end",
         0,
         {{'A', P(0, 0), P(2, 0)}, {'B', P(2, 0), P(2, 3)}},
         "AB",
         "AB",
         "X",
         "X"},
        {"crossing", 0, {{'A', P(0, 0), P(2, 2)}, {'B', P(0, 2), P(2, 0)}}, "AB", "AB", "X", "X"},
        {"partly overlapping",
         0,
         {{'A', P(0, 0), P(3, 0)}, {'B', P(2, 0), P(5, 0)}},
         "AB",
         "AB",
         "X",
         "X"},
        {"within the tolerance",
         0,
         {{'A', P(0, 0), P(3, 0)}, {'B', P(1, 5e-7), P(2, -5e-7)}},
         "AB",
         "A",
         "XB",
         "X"},
        {"just beyond the tolerance",
         0,
         {{'A', P(0, 0), P(3, 0)}, {'B', P(1, 2e-6), P(2, 0)}},
         "AB",
         "AB",
         "X",
         "X"},
        {"stacked pipes in plan",
         1,
         {{'A', P(0, 0, 0), P(4, 0, 0)}, {'B', P(1, 0, 9), P(2, 0, 9)}},
         "AB",
         "A",
         "XB",
         "X"},
        {"stacked pipes in space",
         0,
         {{'A', P(0, 0, 0), P(4, 0, 0)}, {'B', P(1, 0, 9), P(2, 0, 9)}},
         "AB",
         "AB",
         "X",
         "X"},
        {"same id twice", 0, {{'A', P(0, 0), P(4, 0)}}, "AA", "AA", "X", "X"},
        {"same id twice on a longer pipe",
         0,
         {{'A', P(1, 0), P(2, 0)}, {'L', P(0, 0), P(4, 0)}},
         "ALA",
         "L",
         "XAA",
         "X"},
        {"zero-length id twice", 0, {{'Z', P(1, 1), P(1, 1)}}, "ZZ", "", "X", "XZZ"},
        {"zero-length pipes leave in list order",
         0,
         {{'A', P(0, 0), P(4, 0)},
          {'B', P(1, 0), P(2, 0)},
          {'Y', P(7, 7), P(7, 7)},
          {'Z', P(3, 3), P(3, 3)}},
         "ZBAY",
         "A",
         "XB",
         "XZY"},
        {"a zero-length pipe on a pipe in plan",
         1,
         {{'A', P(0, 0), P(4, 0)}, {'Z', P(1, 0), P(1, 0)}},
         "AZ",
         "A",
         "XZ",
         "X"},
        {"ids that do not open stay",
         0,
         {{'A', P(0, 0), P(4, 0)}, {'B', P(0, 0), P(4, 0)}},
         "NAE0B",
         "NAE0",
         "XB",
         "X"},
        {"a chain of coverings",
         0,
         {{'B', P(1, 0), P(2, 0)}, {'A', P(0, 0), P(4, 0)}, {'C', P(1, 0), P(2, 0)}},
         "BAC",
         "A",
         "XBC",
         "X"},
        {"the earlier pipe leaves and the pass restarts",
         1,
         {{'S', P(1, 0), P(2, 0)},
          {'L', P(0, 0), P(3, 0)},
          {'T', P(1, 0), P(2, 0)},
          {'U', P(0, 0), P(3, 0)}},
         "SLTU",
         "L",
         "XSTU",
         "X"},
    };
    return cases;
}

using CheckFunction = void (*)(int, HxDbObjectIdList&, HxDbObjectIdList&, HxDbObjectIdList&);

class CheckPipeTest : public PipeDrawingTest,
                      public ::testing::WithParamInterface<std::tuple<CheckCase, bool>> {
protected:
    // Draws the case's pipes and the special ids.
    void draw(const CheckCase& c) {
        for (const PipeShape& shape : c.shapes)
            m_ids[shape.label] = addPipe(shape.start, shape.end);
        m_ids['N'] = addLine();
        m_ids['E'] = addPipe(P(0, 0), P(4, 0));
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
    EXPECT_EQ(items(overlapped), ids(c.overlapped));
    EXPECT_EQ(items(zeroLength), ids(c.zeroLength));
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
