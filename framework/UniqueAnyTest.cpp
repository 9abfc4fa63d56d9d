#include "UniqueAny.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

namespace trelvane {
namespace {

std::vector<int> gReleased;

void RecordRelease(int handle) { gReleased.push_back(handle); }

using UniqueNumber = UniqueAny<int, RecordRelease>;
using UniqueMinusOne = UniqueAny<int, RecordRelease, -1>;

static_assert(!std::is_copy_constructible_v<UniqueNumber>);
static_assert(!std::is_copy_assignable_v<UniqueNumber>);
static_assert(std::is_nothrow_move_constructible_v<UniqueNumber>);

class UniqueAnyTest : public testing::Test {
protected:
    void SetUp() override { gReleased.clear(); }
};

TEST_F(UniqueAnyTest, ReleasesItsHandleOnceWhenItGoes) {
    { UniqueNumber owner{7}; }
    EXPECT_EQ(gReleased, std::vector<int>{7});
}

TEST_F(UniqueAnyTest, EmptyOwnerReleasesNothing) {
    { UniqueNumber empty; EXPECT_FALSE(empty); }
    { UniqueMinusOne sentinel{-1}; }
    { UniqueMinusOne zero{0}; EXPECT_TRUE(zero); }
    EXPECT_EQ(gReleased, std::vector<int>{0});
}

TEST_F(UniqueAnyTest, MovingHandsTheHandleOverWithoutReleasingIt) {
    {
        UniqueNumber first{3};
        UniqueNumber second{std::move(first)};
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), 3);
        EXPECT_TRUE(gReleased.empty());
    }
    EXPECT_EQ(gReleased, std::vector<int>{3});
}

TEST_F(UniqueAnyTest, MoveAssignmentReleasesTheOldHandleFirst) {
    {
        UniqueNumber target{1};
        UniqueNumber source{2};
        target = std::move(source);
        EXPECT_EQ(gReleased, std::vector<int>{1});
        EXPECT_EQ(target.get(), 2);
        auto& alias = target;
        target = std::move(alias);
        EXPECT_EQ(target.get(), 2);
    }
    EXPECT_EQ(gReleased, (std::vector<int>{1, 2}));
}

TEST_F(UniqueAnyTest, ReleaseGivesUpAndResetReplaces) {
    UniqueNumber owner{4};
    EXPECT_EQ(owner.release(), 4);
    EXPECT_FALSE(owner);
    owner.reset(5);
    owner.reset(6);
    owner.reset();
    EXPECT_EQ(gReleased, (std::vector<int>{5, 6}));
}

}  // namespace
}  // namespace trelvane
