#include "ExportText.h"

namespace trelvane {

std::string ExportText(FormControls& form, int listId) {
    std::string text;
    WriteExport(form, listId, [&](std::string_view piece) {
        text += piece;
        return true;
    });
    return text;
}

}  // namespace trelvane
