#include "RefPtr.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

struct Counted {
    int references = 1;
    int releasesToZero = 0;
    void AddRef() { ++references; }
    void Release() {
        if (--references == 0) ++releasesToZero;
    }
};

TEST(RefPtr, AdoptTakesOverTheFirstReference) {
    Counted object;
    { auto ref = RefPtr<Counted>::Adopt(&object); EXPECT_EQ(object.references, 1); }
    EXPECT_EQ(object.references, 0);
    EXPECT_EQ(object.releasesToZero, 1);
}

TEST(RefPtr, ShareAndCopiesEachHoldAReference) {
    Counted object;
    {
        auto shared = RefPtr<Counted>::Share(&object);
        EXPECT_EQ(object.references, 2);
        RefPtr<Counted> copy = shared;
        EXPECT_EQ(object.references, 3);
        RefPtr<Counted> moved = std::move(copy);
        EXPECT_FALSE(copy);
        EXPECT_EQ(object.references, 3);
    }
    EXPECT_EQ(object.references, 1);
    EXPECT_EQ(RefPtr<Counted>::Share(nullptr).get(), nullptr);
}

TEST(RefPtr, AssignmentDropsTheOldObject) {
    Counted first;
    Counted second;
    auto ref = RefPtr<Counted>::Adopt(&first);
    auto other = RefPtr<Counted>::Adopt(&second);
    ref = other;
    EXPECT_EQ(first.releasesToZero, 1);
    EXPECT_EQ(second.references, 2);
    ref = std::move(other);
    EXPECT_EQ(second.references, 1);
    ref.reset();
    EXPECT_EQ(second.releasesToZero, 1);
}

}  // namespace
}  // namespace trelvane
