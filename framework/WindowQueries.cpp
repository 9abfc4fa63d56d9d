#include "WindowQueries.h"

#include "FormClassName.h"
#include "SpecFields.h"
#include "WindowsText.h"

namespace trelvane {

RECT RectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string ClassNameOf(HWND window) {
    wchar_t name[kMaxClassNameLength + 1] = {};
    const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return Utf8FromWide({name, length > 0 ? static_cast<std::size_t>(length) : 0});
}

bool HasClassName(HWND window, std::string_view name) {
    return !name.empty() && UpperCase(ClassNameOf(window)) == UpperCase(name);
}

}  // namespace trelvane
