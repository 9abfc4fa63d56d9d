// An anchor specification of any bytes and any rectangles through the
// placement arithmetic a resize runs for every control. Input: three
// rectangles of four int32 (left, top, right, bottom): the parent's client
// area at capture, the parent's client area now, the control at capture;
// then the anchor specification text (the rest).
#include <cstdint>
#include <string>

#include "AnchorSpec.h"
#include "FuzzInput.h"
#include "SpecFields.h"

using namespace trelvane;

namespace {

// Braces read the four in order.
Rect ReadRect(fuzz::InputReader& in) { return Rect{in.Int32(), in.Int32(), in.Int32(), in.Int32()}; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader in(data, size);
    const Rect parentAtCapture = ReadRect(in);
    const Rect parentNow = ReadRect(in);
    const Rect control = ReadRect(in);
    const std::string_view spec = in.Rest();

    // What a control record keeps, and what a resize then makes of it.
    const std::string stored = StoredAnchor(spec);
    fuzz::Check(stored.size() <= kMaxAnchorLength && spec.substr(0, stored.size()) == stored,
                "the stored anchor is the anchor specification's first characters");
    const auto placement = AnchoredPlacement(stored, parentAtCapture, parentNow, control);
    if (stored.size() < kMinAnchorLength) fuzz::Check(!placement, "a short anchor specification moves nothing");

    // Unchanged parent: edges that keep their place leave the control as it
    // is, as far as single precision holds the coordinates exactly.
    constexpr std::int32_t kExact = 1 << 23;
    auto exact = [](std::int32_t v) { return v > -kExact && v < kExact; };
    if (parentNow.right == parentAtCapture.right && parentNow.bottom == parentAtCapture.bottom &&
        exact(parentNow.right) && exact(parentNow.bottom) && exact(control.left) && exact(control.top) &&
        exact(control.right) && exact(control.bottom)) {
        const auto still = AnchoredPlacement("FL,FT,FR,FB", parentAtCapture, parentNow, control);
        fuzz::Check(
            still == Placement{control.left, control.top, control.right - control.left, control.bottom - control.top},
            "fixed edges stay put");
    }
    for (const std::string& field : SplitSpecFields(spec)) ParseAnchorEdge(field);
    return 0;
}
