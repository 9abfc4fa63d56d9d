#include "OwnedHandles.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "TestWindows.h"

namespace trelvane {
namespace {

static_assert(!std::is_copy_constructible_v<UniqueBrush>);
static_assert(!std::is_copy_constructible_v<RegisteredClass>);
static_assert(!std::is_copy_constructible_v<ScreenDc>);

bool ClassExists(const char* name) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    return GetClassInfoExA(GetModuleHandleA(nullptr), name, &info) != FALSE;
}

ATOM RegisterPlainClass(const char* name) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass);
}

TEST(OwnedHandles, BrushIsDeletedWhenItsOwnerGoes) {
    HBRUSH handle = nullptr;
    {
        UniqueBrush brush{CreateSolidBrush(RGB(1, 2, 3))};
        handle = brush.get();
        UniqueBrush moved{std::move(brush)};
        EXPECT_TRUE(test::IsGdiObject(handle));
    }
    EXPECT_FALSE(test::IsGdiObject(handle));
}

TEST(OwnedHandles, WindowIsDestroyedWhenItsOwnerGoes) {
    HWND handle = nullptr;
    {
        UniqueWindow window{CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                            GetModuleHandleA(nullptr), nullptr)};
        handle = window.get();
        EXPECT_TRUE(IsWindow(handle));
    }
    EXPECT_FALSE(IsWindow(handle));
}

TEST(OwnedHandles, RegisteredClassIsUnregisteredOnceWhenItsOwnerGoes) {
    {
        RegisteredClass owner(RegisterPlainClass("TrelvaneOwnedClass"), GetModuleHandleA(nullptr));
        ASSERT_TRUE(owner);
        RegisteredClass moved = std::move(owner);
        EXPECT_FALSE(owner);
        EXPECT_TRUE(ClassExists("TrelvaneOwnedClass"));
    }
    EXPECT_FALSE(ClassExists("TrelvaneOwnedClass"));
}

TEST(OwnedHandles, ThreadTimerIsKilledWhenItsOwnerGoes) {
    UINT_PTR id = 0;
    { UniqueThreadTimer timer{SetTimer(nullptr, 0, 100000, nullptr)}; id = timer.get(); ASSERT_NE(id, 0u); }
    EXPECT_FALSE(KillTimer(nullptr, id));
}

TEST(OwnedHandles, ScreenDcAnswersTheScreensCapabilities) {
    const ScreenDc screen;
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen.Caps(LOGPIXELSY), test::ExpectedDpi());
}

}  // namespace
}  // namespace trelvane
