#include "OwnedHandles.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace trelvane {
namespace {

static_assert(!std::is_copy_constructible_v<RegisteredClass> && !std::is_copy_constructible_v<ScreenDc>);

bool ClassExists(const char* name) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    return GetClassInfoExA(GetModuleHandleA(nullptr), name, &info) != FALSE;
}

TEST(RegisteredClass, IsUnregisteredOnceByItsLastOwner) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TrelvaneOwnedClass";
    {
        RegisteredClass owner(RegisterClassExA(&windowClass), GetModuleHandleA(nullptr));
        ASSERT_TRUE(owner);
        RegisteredClass moved = std::move(owner);
        owner.reset();
        EXPECT_TRUE(ClassExists("TrelvaneOwnedClass"));
    }
    EXPECT_FALSE(ClassExists("TrelvaneOwnedClass"));
}

}  // namespace
}  // namespace trelvane
