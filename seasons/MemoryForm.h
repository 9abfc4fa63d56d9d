#pragma once

#include <map>
#include <string>

#include "FormControls.h"

namespace trelvane {

// Controls held in memory: edit and count boxes as texts, lists as lines in
// the order they were added. The comparison adds lines in ascending order,
// the order a sorted list box would show them in.
class MemoryForm final : public FormControls {
public:
    std::string EditText(int id) override;
    void SetBoxText(int id, std::string_view text) override;
    void EmptyList(int id) override;
    void AddLine(int id, std::string_view line) override;
    void AddLines(int id, LineBatch lines) override;
    int ListCount(int id) override;
    void ReadListLine(int id, int index, std::string& line) override;

    const LineBatch& Lines(int id) { return lists_[id]; }

private:
    std::map<int, std::string> texts_;
    std::map<int, LineBatch> lists_;
};

}  // namespace trelvane
