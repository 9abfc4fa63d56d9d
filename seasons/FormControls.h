#pragma once

#include <string>
#include <string_view>

#include "LineBatch.h"

namespace trelvane {

// The operations the commands need on a form's controls, each by control
// identifier. The Windows form, the command-line tool and the tests each
// supply one, so the commands run unchanged against any of them. Texts are
// single-byte, in the ANSI code page.
class FormControls {
public:
    virtual ~FormControls() = default;

    // The whole text of an edit box, untrimmed.
    virtual std::string EditText(int id) = 0;
    virtual void SetBoxText(int id, std::string_view text) = 0;

    virtual void EmptyList(int id) = 0;
    virtual void AddLine(int id, std::string_view line) = 0;
    // Adds many lines at once; a list box can then reserve room and hold its
    // redrawing back while it fills.
    virtual void AddLines(int id, LineBatch lines) {
        for (std::size_t i = 0; i < lines.Count(); ++i) AddLine(id, lines[i]);
    }
    // The number of lines of a list, and a line by its position (0 first),
    // read into line so that a whole list can be read without an allocation
    // per line.
    virtual int ListCount(int id) = 0;
    virtual void ReadListLine(int id, int index, std::string& line) = 0;
};

}  // namespace trelvane
