#pragma once

#include <string>
#include <string_view>

#include "FormControls.h"

namespace trelvane {

// The bytes of a list export: every line of the list, in list order and
// exactly as the list holds it (trailing blanks too), each ended by CR LF.
// No header, no byte-order mark; an empty list gives no bytes at all.
//
// WriteExport hands them to write(std::string_view) in pieces of about
// 64 KiB, so that a list of any length is saved without a copy of it all.
// write returns false to stop early.
template <class Write> bool WriteExport(FormControls& form, int listId, Write&& write) {
    constexpr std::size_t kPiece = 64 * 1024;
    std::string piece;
    std::string line;
    piece.reserve(kPiece + 512);
    const int count = form.ListCount(listId);
    for (int index = 0; index < count; ++index) {
        form.ReadListLine(listId, index, line);
        piece += line;
        piece += "\r\n";
        if (piece.size() >= kPiece) {
            if (!write(std::string_view(piece))) return false;
            piece.clear();
        }
    }
    return piece.empty() || write(std::string_view(piece));
}

std::string ExportText(FormControls& form, int listId);

}  // namespace trelvane
