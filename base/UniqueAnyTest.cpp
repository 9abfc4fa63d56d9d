#include "UniqueAny.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

namespace trelvane {
namespace {

std::vector<int> gReleased;
void RecordRelease(int handle) { gReleased.push_back(handle); }

using UniqueNumber = UniqueAny<int, RecordRelease, -1>;
static_assert(!std::is_copy_constructible_v<UniqueNumber> && !std::is_copy_assignable_v<UniqueNumber>);

TEST(UniqueAny, ReleasesEachHandleExactlyOnce) {
    gReleased.clear();
    {
        UniqueNumber empty{-1};
        UniqueNumber first{0};
        UniqueNumber target{1};
        target = UniqueNumber{std::move(first)};  // releases 1 now
        EXPECT_FALSE(first);
        EXPECT_EQ(gReleased, std::vector<int>{1});
        auto& alias = target;
        target = std::move(alias);
        UniqueNumber given{2};
        EXPECT_EQ(given.release(), 2);
        given.reset(3);
        given.reset(4);
    }
    EXPECT_EQ(gReleased, (std::vector<int>{1, 3, 4, 0}));
}

}  // namespace
}  // namespace trelvane
