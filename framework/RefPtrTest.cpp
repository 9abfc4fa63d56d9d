#include "RefPtr.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

struct Counted {
    int references = 1;
    void AddRef() { ++references; }
    void Release() { --references; }
};

TEST(RefPtr, HoldsOneReferencePerOwner) {
    Counted object;
    Counted other;
    {
        auto adopted = RefPtr<Counted>::Adopt(&object);
        EXPECT_EQ(object.references, 1);
        auto shared = RefPtr<Counted>::Share(&object);
        RefPtr<Counted> copy = shared;
        RefPtr<Counted> moved = std::move(copy);
        EXPECT_EQ(object.references, 3);
        moved = RefPtr<Counted>::Adopt(&other);
        EXPECT_EQ(object.references, 2);
        shared.reset();
        EXPECT_EQ(object.references, 1);
    }
    EXPECT_EQ(object.references, 0);
    EXPECT_EQ(other.references, 0);
    EXPECT_FALSE(RefPtr<Counted>::Share(nullptr));
}

}  // namespace
}  // namespace trelvane
