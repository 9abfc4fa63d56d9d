#include "RichEdit.h"

namespace trelvane {

bool LoadRichEdit(UniqueLibrary& library, std::string& className) {
    static constexpr struct {
        const wchar_t* file;
        const char* windowClass;
    } kLibraries[] = {
        {L"MSFTEDIT.DLL", "RichEdit50W"}, {L"RICHED20.DLL", "RichEdit20A"}, {L"RICHED32.DLL", "RichEdit"}};
    for (const auto& candidate : kLibraries) {
        // From the system folder only: a plain name is looked for in the
        // program's own folder first, where anyone may have put a library
        // of that name (a downloads folder).
        library.reset(LoadLibraryExW(candidate.file, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
        if (library) {
            className = candidate.windowClass;
            return true;
        }
    }
    return false;
}

}  // namespace trelvane
