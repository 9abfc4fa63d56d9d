#include "RichEdit.h"

namespace trelvane {

HRESULT LoadRichEdit(UniqueLibrary* library, std::string* className) {
    if (!library || !className) return E_INVALIDARG;
    static constexpr struct {
        const char* file;
        const char* windowClass;
    } kLibraries[] = {{"MSFTEDIT.DLL", "RichEdit50W"}, {"RICHED20.DLL", "RichEdit20A"}, {"RICHED32.DLL", "RichEdit"}};
    for (const auto& candidate : kLibraries) {
        library->reset(LoadLibraryA(candidate.file));
        if (*library) {
            *className = candidate.windowClass;
            return 1;
        }
    }
    return 0;
}

}  // namespace trelvane
