#pragma once

#include <string>
#include <string_view>
#include <vector>

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
    // Adds many lines at once; a list box can then suspend redrawing while
    // it fills.
    virtual void AddLines(int id, std::vector<std::string> lines) {
        for (const std::string& line : lines) AddLine(id, line);
    }
    virtual int ListCount(int id) = 0;
    virtual std::string ListLine(int id, int index) = 0;
};

}  // namespace trelvane
