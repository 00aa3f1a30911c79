#include "document/shape_splice.h"

#include <numeric>
#include <vector>

#include <gtest/gtest.h>

using namespace korvo;

namespace {

// The list of shape numbers after the splice; added shapes get numbers from 100 on.
std::vector<int> Applied(std::vector<int> list, const TShapeSplice& s, int& next)
{
    const auto at = list.begin() + static_cast<std::ptrdiff_t>(s.At);
    list.erase(at, at + static_cast<std::ptrdiff_t>(s.Removed));
    std::vector<int> added(s.Added);
    std::iota(added.begin(), added.end(), next);
    next += static_cast<int>(s.Added);
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(s.At), added.begin(), added.end());
    return list;
}

// Two edits of a list of ten shapes make one splice that leaves the same shapes around it as the two
// edits do, and spans no more than they touch.
TEST(ShapeSplice, TwoEditsSpanWhatEitherTouched)
{
    struct TCase {
        TShapeSplice First;
        TShapeSplice Second;
        TShapeSplice Both;
    };
    const TCase cases[] = {
        { TShapeSplice::InPlace(2), TShapeSplice::InPlace(6), { 2, 5, 5 } },
        { TShapeSplice::InPlace(6), TShapeSplice::InPlace(2), { 2, 5, 5 } },
        { { 3, 2, 0 }, { 8, 0, 1 }, { 3, 7, 6 } }, // two taken out, one put in front
        { { 3, 1, 0 }, { 0, 0, 1 }, { 0, 4, 4 } }, // one sent to the back
        { { 4, 1, 3 }, TShapeSplice::InPlace(5), { 4, 1, 3 } }, // a change within shapes just added
        { { 0, 10, 0 }, { 0, 0, 4 }, { 0, 10, 4 } }, // a load
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(Then(c.First, c.Second), c.Both) << c.First.At << " then " << c.Second.At;
        std::vector<int> list(10);
        std::iota(list.begin(), list.end(), 0);
        int next = 100;
        const std::vector<int> after = Applied(Applied(list, c.First, next), c.Second, next);
        const std::size_t tail = list.size() - c.Both.At - c.Both.Removed;
        ASSERT_EQ(after.size(), c.Both.At + c.Both.Added + tail);
        EXPECT_TRUE(std::equal(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(c.Both.At), after.begin()));
        EXPECT_TRUE(std::equal(list.end() - static_cast<std::ptrdiff_t>(tail), list.end(),
            after.end() - static_cast<std::ptrdiff_t>(tail)));
    }
}

} // namespace
