#pragma once

#include <string>
#include <string_view>

namespace trelvane {

// Form window classes start with this; the message loop finds a window's
// form by it.
inline constexpr std::string_view kFormClassPrefix = "FORM_";
// The base name of a form class registered without a name.
inline constexpr std::string_view kDefaultFormClassBase = "ZQWindowClass";
// Windows refuses class names longer than this.
inline constexpr std::size_t kMaxClassNameLength = 255;

// The name a form class is registered under: base (kDefaultFormClassBase
// when empty), ":" and the running number. A base too long for the limit is
// cut so that the number survives and names stay unique.
std::string FormClassName(std::string_view base, int counter);

// True when name starts with kFormClassPrefix (exact case).
bool IsFormClassName(std::string_view name);

}  // namespace trelvane
