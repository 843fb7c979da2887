// What the container family shares with the product's other modules: the
// virtual slot order (read from member pointers as g++'s Itanium C++ ABI lays
// them out), and every template built for ids, pointers and class types.
#include "ContainerTestSupport.h"
#include "HostTest.h"
#include "HxBFindTree.h"
#include "HxDbObjectIdList.h"
#include "HxListQuene.h"
#include "HxPDList.h"
#include "HxPXList.h"

#include <cstddef>
#include <cstring>
#include <string>

struct Part {
    virtual ~Part() = default;
    std::string name;
};
template class HxDynArray<std::string>;
template class HxDynArray<HxListNode<Part*>*>;
template class HxList<std::string>;
template class HxDList<HxBTree<AcDbObjectId>*>;
template class HxXList<std::string>;
template class HxPDList<Part>;
template class HxPXList<Part>;
template class HxListQuene<AcDbObjectId>;
template class HxBFindTree<AcDbObjectId>;

namespace {

// Itanium member pointers to virtual functions hold 1 + the slot's offset.
template <class... Members> std::vector<std::ptrdiff_t> SlotsOf(Members... members) {
    auto slot = [](auto member) {
        std::ptrdiff_t rep[2];
        static_assert(sizeof(member) == sizeof(rep));
        std::memcpy(rep, &member, sizeof rep);
        return (rep[0] - 1) / static_cast<std::ptrdiff_t>(sizeof(void*));
    };
    return {slot(members)...};
}

class ContainerLayoutTest : public HostTest {};

TEST_F(ContainerLayoutTest, VirtualSlotsKeepTheSharedOrder) {
    using B = HxDynArrayBase<int>;
    const std::vector<std::ptrdiff_t> slots =
        SlotsOf(&B::Extend, &B::SetSize, &B::RemoveAll, &B::Current, &B::SetCurrent, &B::First,
                &B::Next, &B::Prev, &B::Last, &B::GoTo, &B::At, &B::FirstPos, &B::NextPos,
                &B::PrevPos, &B::LastPos, &B::PosAt, &B::InsertBefore, &B::InsertAt, &B::AddHead,
                &B::Append, &B::RemoveCurrent, &B::Sort, &B::Move, &B::InsertAfter,
                &B::CutAfterCurrent, &B::TakeTail, &B::Reverse, &B::Rotate, &B::SortByValue);
    // The destructor (slot 1) takes two entries; the operations after it sit
    // one entry further on.
    for (std::size_t i = 0; i < slots.size(); ++i)
        EXPECT_EQ(slots[i], i == 0 ? 0 : static_cast<std::ptrdiff_t>(i) + 2) << "slot " << i + 1;
    using Q = HxQuene<int>;
    EXPECT_EQ(SlotsOf(&Q::Clear, &Q::Count, &Q::At, &Q::Front, &Q::Back, &Q::Push, &Q::Pop),
              (std::vector<std::ptrdiff_t>{0, 1, 2, 3, 4, 5, 6}));
    static_assert(sizeof(HxDbObjectIdList) == sizeof(HxDList<AcDbObjectId>));
}

} // namespace
