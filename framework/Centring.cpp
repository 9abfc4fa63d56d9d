#include "Centring.h"

namespace trelvane {
namespace {

std::int32_t CentreOnAxis(std::int32_t refStart, std::int32_t refExtent, std::int32_t workStart, std::int32_t workEnd,
                          std::int32_t extent) {
    std::int32_t start = refStart + (refExtent - extent) / 2;
    if (start < workStart) {
        start = workStart;
    } else if (start + extent > workEnd) {
        start = workEnd - extent;
    }
    return start;
}

}  // namespace

Point CentredPosition(const Rect& reference, const Rect& work, std::int32_t width, std::int32_t height) {
    return {CentreOnAxis(reference.left, reference.Width(), work.left, work.right, width),
            CentreOnAxis(reference.top, reference.Height(), work.top, work.bottom, height)};
}

}  // namespace trelvane
