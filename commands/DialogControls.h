#pragma once

#include <windows.h>

#include "FormControls.h"

namespace trelvane {

// The form's controls found by identifier on the form window. Texts cross
// in the ANSI code page: the controls hold UTF-16, the commands ANSI.
class DialogControls final : public FormControls {
public:
    explicit DialogControls(HWND form) : form_(form) {}

    std::string EditText(int id) override;
    void SetBoxText(int id, std::string_view text) override;
    void EmptyList(int id) override;
    void AddLine(int id, std::string_view line) override;
    // Fills with redrawing held back and room reserved: a visible sorted
    // list box repaints after every line otherwise, which takes minutes for
    // tens of thousands of lines.
    void AddLines(int id, LineBatch lines) override;
    int ListCount(int id) override;
    void ReadListLine(int id, int index, std::string& line) override;

private:
    HWND Control(int id);
    LRESULT ToList(HWND list, UINT message, WPARAM wParam, LPARAM lParam);

    HWND form_;  // borrowed
    // The last control looked up: reading or filling a list asks for the
    // same one tens of thousands of times.
    int lastId_ = 0;
    HWND last_ = nullptr;  // borrowed
};

}  // namespace trelvane
