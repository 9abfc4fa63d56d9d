#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "Geometry.h"

namespace trelvane {

// An anchor specification is four comma-separated edge codes for the left,
// top, right and bottom edge ("S,S,S,S"), case-insensitive:
//   S...          the edge scales with the parent: C0 * (E1 / E0)
//   FL, FT        the edge keeps its distance to the parent's left/top side
//   FR, FB        the edge keeps its distance to the parent's right/bottom side
//   Fk            the edge follows k percent of the parent's growth (F50: centred)
//   F<other>      k is the numeric value of what follows F (0 if none)
//   anything else the edge goes to 0
// C0 is the edge at capture, E0 and E1 the parent's client width (left and
// right edges) or height (top and bottom edges) at capture and now.
inline constexpr std::size_t kMaxAnchorLength = 29;
// Shorter anchor specifications leave the control where it is.
inline constexpr std::size_t kMinAnchorLength = 7;

enum class EdgeRule { Scale, Follow, None };

struct AnchorEdge {
    EdgeRule rule = EdgeRule::None;
    double percent = 0.0;  // of the parent's growth, for EdgeRule::Follow
};

// The anchor as a control record keeps it: at most kMaxAnchorLength characters.
std::string StoredAnchor(std::string_view spec);

// Reads one edge code (any case).
AnchorEdge ParseAnchorEdge(std::string_view code);

// Where a control captured at controlAtCapture, in a parent whose client
// rectangle was parentAtCapture, goes now that the parent's client rectangle
// is parentNow. Edges are worked in single precision; the width and height
// are rounded from the differences of the unrounded edges. Empty when the
// control stays where it is: an anchor specification that is too short, or an "S"
// edge whose captured extent is 0 (there is nothing to scale from).
std::optional<Placement> AnchoredPlacement(std::string_view anchor, const Rect& parentAtCapture, const Rect& parentNow,
                                           const Rect& controlAtCapture);

}  // namespace trelvane
