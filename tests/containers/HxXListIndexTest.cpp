// The position index of HxXList stays exact (ceil(count / step) entries, entry
// k the node at position k * step) through long random edit sequences checked
// against a std::vector model.
#include "ContainerTestSupport.h"
#include "HostTest.h"
#include "HxXList.h"

#include <algorithm>
#include <random>

namespace {

class XListIndexTest : public HostTest {
protected:
    static void ExpectSame(HxXList<int>& list, const std::vector<int>& model) {
        ASSERT_EQ(Elements(list), model);
        ASSERT_EQ(ElementsBackwards(list), model);
        const int step = list.Step();
        ASSERT_EQ(list.Index().Count(), (list.Count() + step - 1) / step);
        int position = 0; // walked without the index
        for (int* pos = list.FirstPos(); pos; pos = list.NextPos(pos), ++position) {
            ASSERT_TRUE(position % step || &list.Index()[position / step]->m_value == pos);
            ASSERT_TRUE(position % 7 || list.PosAt(position) == pos) << position;
        }
        ASSERT_TRUE(list.IsEnd() || list.Current() == model[list.CurrentIndex()]);
    }
};

int Less(const int* a, const int* b) {
    return *a - *b;
}

TEST_F(XListIndexTest, RandomEditsKeepTheIndexExact) {
    for (int step : {1, 3, 25}) {
        SCOPED_TRACE(step);
        std::mt19937 rng(1000 + step);
        auto pick = [&rng](int low, int high) {
            return std::uniform_int_distribution<int>(low, std::max(low, high))(rng);
        };
        HxXList<int> list(step), other(step);
        std::vector<int> model, otherModel;
        for (int v = 0; v < 2500 && !HasFatalFailure(); ++v) {
            const int n = list.Count(), at = pick(0, n), from = pick(0, n - 1);
            switch (pick(0, 9)) {
            case 0:
            case 1:
                list.InsertAt(at, v), model.insert(model.begin() + at, v);
                break;
            case 2:
                list.GoTo(at - 1), list.InsertAfter(v), model.insert(model.begin() + at, v);
                break;
            case 3:
                if (n > 0)
                    list.RemoveAt(from), model.erase(model.begin() + from);
                break;
            case 4:
                if (list.Move(from, at)) {
                    model.insert(model.begin() + at, model[from]);
                    model.erase(model.begin() + (at < from ? from + 1 : from));
                }
                break;
            case 5:
                list.Reverse(), std::reverse(model.begin(), model.end());
                [[fallthrough]];
            case 6:
                list.Rotate(from, at % std::max(n, 1));
                if (n > 0)
                    std::rotate(model.begin(), model.begin() + (n - at % n + from) % n,
                                model.end());
                break;
            case 7: // a tail to the other list and sometimes back
                if (n > 0 && pick(0, 1)) {
                    other.TakeTail(list, from);
                    otherModel.insert(otherModel.end(), model.begin() + from, model.end());
                    model.resize(from);
                } else if (other.Count() > 0) {
                    const int cut = pick(0, other.Count() - 1);
                    list.TakeTail(other, cut);
                    model.insert(model.end(), otherModel.begin() + cut, otherModel.end());
                    otherModel.resize(cut);
                }
                break;
            case 8:
                if (pick(0, 3) == 0)
                    list.CutAfter(from), model.resize(std::min(n, from + 1));
                else
                    pick(0, 1) ? list.SetSize(at + 2, true) : (void)list.At(at + 2);
                model.resize(list.Count());
                break;
            default:
                if (pick(0, 9) == 0)
                    list.Sort(&Less), std::stable_sort(model.begin(), model.end());
                break;
            }
            ExpectSame(list, model);
            ExpectSame(other, otherModel);
        }
        HxXList<int> copy(list);
        ExpectSame(copy, model);
        other = std::move(copy);
        ExpectSame(other, model);
        ExpectSame(copy, {});
    }
}

} // namespace
