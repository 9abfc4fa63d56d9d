#include "WinHandles.h"

#include <gtest/gtest.h>

#include <thread>

namespace trelvane {
namespace {

// What a multithreaded CoInitializeEx says on a fresh thread once apartments()
// has run there: S_OK when COM was left uninitialised, S_FALSE when the
// multithreaded apartment stayed.
template <typename Apartments> HRESULT AfterwardsOnAFreshThread(Apartments apartments) {
    HRESULT afterwards = E_FAIL;
    std::thread([&] {
        apartments();
        afterwards = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(afterwards)) CoUninitialize();
    }).join();
    return afterwards;
}

TEST(ComApartment, LeavesTheThreadAsItFoundIt) {
    HRESULT first = E_FAIL, nested = E_FAIL;
    EXPECT_EQ(AfterwardsOnAFreshThread([&] {
                  const ComApartment outer;
                  const ComApartment inner;
                  first = outer.Result();
                  nested = inner.Result();
              }),
              S_OK);
    EXPECT_EQ(first, S_OK);
    EXPECT_EQ(nested, S_FALSE);

    // A thread already in the multithreaded apartment refuses; the refusal
    // must not end that apartment.
    HRESULT refused = E_FAIL;
    EXPECT_EQ(AfterwardsOnAFreshThread([&] {
                  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
                  refused = ComApartment().Result();
              }),
              S_FALSE);
    EXPECT_EQ(refused, RPC_E_CHANGED_MODE);
}

}  // namespace
}  // namespace trelvane
