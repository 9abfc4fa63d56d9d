#include "ExportText.h"

namespace trelvane {

std::string ExportText(FormControls& form, int listId) {
    std::string text;
    const int count = form.ListCount(listId);
    for (int index = 0; index < count; ++index) {
        text += form.ListLine(listId, index);
        text += "\r\n";
    }
    return text;
}

}  // namespace trelvane
