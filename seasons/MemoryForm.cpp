#include "MemoryForm.h"

#include <iterator>

namespace trelvane {

std::string MemoryForm::EditText(int id) { return texts_[id]; }

void MemoryForm::SetBoxText(int id, std::string_view text) { texts_[id] = text; }

void MemoryForm::EmptyList(int id) { lists_[id].clear(); }

void MemoryForm::AddLine(int id, std::string_view line) { lists_[id].emplace_back(line); }

void MemoryForm::AddLines(int id, std::vector<std::string> lines) {
    std::vector<std::string>& list = lists_[id];
    if (list.empty()) {
        list = std::move(lines);
    } else {
        list.insert(list.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
    }
}

int MemoryForm::ListCount(int id) { return static_cast<int>(lists_[id].size()); }

std::string MemoryForm::ListLine(int id, int index) {
    const std::vector<std::string>& list = lists_[id];
    return index >= 0 && static_cast<std::size_t>(index) < list.size() ? list[static_cast<std::size_t>(index)]
                                                                        : std::string{};
}

}  // namespace trelvane
