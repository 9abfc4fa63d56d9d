#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "LineBatch.h"

namespace trelvane {

// The texts of the form's controls, found by identifier on the form window.
// The controls hold UTF-16; a box's text crosses in UTF-8, which keeps
// every character, and a list line in Windows-1252, the bytes of the season
// files and of a saved list, whatever the machine's ANSI code page.
class ControlTexts {
public:
    explicit ControlTexts(HWND form) : form_(form) {}

    // The whole text of an edit box, untrimmed, in UTF-8.
    std::string EditText(int id);
    void SetBoxText(int id, std::string_view text);
    void EmptyList(int id);
    void AddLine(int id, std::string_view line);
    // Fills with redrawing held back and room reserved: a visible sorted
    // list box repaints after every line otherwise, which takes minutes for
    // tens of thousands of lines. The lines must already be in the list's
    // sorted order; each goes at the end.
    void AddLines(int id, const LineBatch& lines);
    // The number of lines of a list, and a line by its position (0 first),
    // in Windows-1252 (empty for a position the list does not have).
    int ListCount(int id);
    void ReadListLine(int id, int index, std::string& line);

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
