#include "AnchorSpec.h"

#include <array>
#include <vector>

#include "Rounding.h"
#include "SpecFields.h"

namespace trelvane {
namespace {

// The quotient and percentage terms are formed at extended precision and
// only the edge itself is kept in single precision.
float NewEdge(const AnchorEdge& edge, float c0, float e0, float e1) {
    switch (edge.rule) {
        case EdgeRule::Scale: {
            const long double quotient = static_cast<long double>(e1) / e0;
            return static_cast<float>(c0 * quotient);
        }
        case EdgeRule::Follow: {
            const long double share = static_cast<long double>(edge.percent) / 100.0L;
            return static_cast<float>(c0 - share * e0 + share * e1);
        }
        case EdgeRule::None:
            break;
    }
    return 0.0f;
}

}  // namespace

std::string StoredAnchor(std::string_view spec) { return std::string(spec.substr(0, kMaxAnchorLength)); }

AnchorEdge ParseAnchorEdge(std::string_view code) {
    const std::string upper = UpperCase(code);
    if (upper.empty()) return {};
    if (upper[0] == 'S') return {EdgeRule::Scale, 0.0};
    if (upper[0] != 'F') return {};
    const std::string_view rest = std::string_view(upper).substr(1);
    if (rest == "L" || rest == "T") return {EdgeRule::Follow, 0.0};
    if (rest == "R" || rest == "B") return {EdgeRule::Follow, 100.0};
    return {EdgeRule::Follow, NumericValue(rest)};
}

std::optional<Placement> AnchoredPlacement(std::string_view anchor, const Rect& parentAtCapture, const Rect& parentNow,
                                           const Rect& controlAtCapture) {
    const std::string spec = UpperCase(anchor);
    if (spec.size() < kMinAnchorLength) return std::nullopt;
    const std::vector<std::string> fields = SplitSpecFields(spec);

    // Left, top, right, bottom: widths for the horizontal edges, heights for
    // the vertical ones.
    const std::array<float, 4> e0 = {
        static_cast<float>(parentAtCapture.right), static_cast<float>(parentAtCapture.bottom),
        static_cast<float>(parentAtCapture.right), static_cast<float>(parentAtCapture.bottom)};
    const std::array<float, 4> e1 = {static_cast<float>(parentNow.right), static_cast<float>(parentNow.bottom),
                                     static_cast<float>(parentNow.right), static_cast<float>(parentNow.bottom)};
    const std::array<float, 4> c0 = {
        static_cast<float>(controlAtCapture.left), static_cast<float>(controlAtCapture.top),
        static_cast<float>(controlAtCapture.right), static_cast<float>(controlAtCapture.bottom)};
    std::array<float, 4> edges{};
    for (std::size_t i = 0; i < edges.size(); ++i) {
        const AnchorEdge edge = ParseAnchorEdge(i < fields.size() ? std::string_view(fields[i]) : std::string_view());
        if (edge.rule == EdgeRule::Scale && e0[i] == 0.0f) return std::nullopt;
        edges[i] = NewEdge(edge, c0[i], e0[i], e1[i]);
    }
    const auto [left, top, right, bottom] = edges;
    return Placement{RoundHalfEven(left), RoundHalfEven(top), RoundHalfEven(static_cast<double>(right) - left),
                     RoundHalfEven(static_cast<double>(bottom) - top)};
}

}  // namespace trelvane
