#include "FormClassName.h"

namespace trelvane {

std::string FormClassName(std::string_view base, int counter) {
    if (base.empty()) base = kDefaultFormClassBase;
    const std::string suffix = ":" + std::to_string(counter);
    std::string name(base.substr(0, kMaxClassNameLength - suffix.size()));
    return name + suffix;
}

bool IsFormClassName(std::string_view name) { return name.starts_with(kFormClassPrefix); }

}  // namespace trelvane
