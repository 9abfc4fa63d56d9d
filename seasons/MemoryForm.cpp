#include "MemoryForm.h"

namespace trelvane {

std::string MemoryForm::EditText(int id) { return texts_[id]; }

void MemoryForm::SetBoxText(int id, std::string_view text) { texts_[id] = text; }

void MemoryForm::EmptyList(int id) { lists_[id].Clear(); }

void MemoryForm::AddLine(int id, std::string_view line) { lists_[id].Add(line); }

void MemoryForm::AddLines(int id, LineBatch lines) {
    LineBatch& list = lists_[id];
    if (list.Empty()) {
        list = std::move(lines);
    } else {
        for (std::size_t i = 0; i < lines.Count(); ++i) list.Add(lines[i]);
    }
}

int MemoryForm::ListCount(int id) { return static_cast<int>(lists_[id].Count()); }

void MemoryForm::ReadListLine(int id, int index, std::string& line) {
    const LineBatch& list = lists_[id];
    if (index >= 0 && static_cast<std::size_t>(index) < list.Count()) {
        line.assign(list[static_cast<std::size_t>(index)]);
    } else {
        line.clear();
    }
}

}  // namespace trelvane
