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
    Counted object, other;
    {
        auto adopted = RefPtr<Counted>::Adopt(&object);
        auto shared = RefPtr<Counted>::Share(&object);
        RefPtr<Counted> copy = shared;
        RefPtr<Counted> moved = std::move(copy);
        EXPECT_EQ(object.references, 3);
        moved = RefPtr<Counted>::Adopt(&other);
        EXPECT_EQ(object.references, 2);
    }
    EXPECT_EQ(object.references, 0);
    EXPECT_EQ(other.references, 0);
}

}  // namespace
}  // namespace trelvane
