#include "ControlRecord.h"

#include <commctrl.h>

#include <memory>

#include "AnchorSpec.h"
#include "Fonts.h"
#include "Tags.h"
#include "WindowQueries.h"

namespace trelvane {
namespace {

using OwnedRecord = std::unique_ptr<ControlRecord>;

// Takes the record off hwnd: the caller now owns it.
OwnedRecord TakeRecord(HWND hwnd) {
    return OwnedRecord(static_cast<ControlRecord*>(RemovePropW(hwnd, kRecordProperty)));
}

// Attaches record to hwnd; on success the window owns it.
ControlRecord* AttachRecord(HWND hwnd, OwnedRecord record) {
    if (!SetPropW(hwnd, kRecordProperty, record.get())) return nullptr;
    return record.release();
}

void SetControlFont(HWND hwnd, HFONT font) {
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // The picker's drop-down calendar keeps its own font.
    if (HasClassName(hwnd, DATETIMEPICK_CLASSA)) {
        SendMessageW(hwnd, DTM_SETMCFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void OnControlSetFocus(HWND hwnd, const ControlRecord& record) {
    // Controls that are not edit boxes ignore EM_SETSEL.
    if (record.select_all_on_focus) {
        SendMessageW(hwnd, EM_SETSEL, 0, -1);
    } else {
        SendMessageW(hwnd, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    }
    // A control inside a child container belongs to the container's parent.
    HWND parent = GetParent(hwnd);
    HWND form = (GetWindowLongPtrW(parent, GWL_STYLE) & WS_CHILD) ? GetParent(parent) : parent;
    if (ControlRecord* formRecord = RecordOf(form)) formRecord->last_focus = hwnd;
}

}  // namespace

void* ControlRecord::operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size);
}

void ControlRecord::operator delete(void* block) noexcept {
    if (block) HeapFree(GetProcessHeap(), 0, block);
}

void ControlRecord::operator delete(void* block, const std::nothrow_t&) noexcept { operator delete(block); }

ControlRecord* RecordOf(HWND hwnd) {
    return hwnd ? static_cast<ControlRecord*>(GetPropW(hwnd, kRecordProperty)) : nullptr;
}

ControlRecord* SetupControl(HWND hwnd, ControlSetup setup) {
    ControlRecord* record = AttachRecord(hwnd, OwnedRecord(new (std::nothrow) ControlRecord{}));
    if (!record) return nullptr;
    if (setup.subclass && setup.newProc) {
        record->old_proc =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(setup.newProc)));
    }
    if (setup.useFont) {
        const std::string spec =
            setup.substituteFace ? SubstituteFace(setup.fontSpec, WindowsVersion()) : std::string(setup.fontSpec);
        record->font = FontFromSpec(spec);
        if (record->font) SetControlFont(hwnd, record->font.get());
    }
    record->user_value = setup.userValue;
    record->is_form = 0;
    record->hwnd = hwnd;
    record->anchor = StoredAnchor(setup.anchorSpec);
    record->colours_on = setup.coloursOn ? 1 : 0;
    // Without colours a brush the caller passed is not kept: it goes with setup.
    if (!record->colours_on) return record;
    record->text_is_sys = setup.textIsSys ? 1 : 0;
    record->back_is_sys = setup.backIsSys ? 1 : 0;
    record->text_colour = setup.textColour;
    record->back_colour = setup.backColour;
    if (setup.brush) {
        record->brush.Own(std::move(setup.brush));
    } else if (record->back_is_sys) {
        record->brush.UseSystem(GetSysColorBrush(static_cast<int>(record->back_colour)));
    } else {
        record->brush.Own(UniqueBrush{CreateSolidBrush(record->back_colour)});
    }
    return record;
}

WNDPROC ReleaseControlRecord(HWND hwnd) {
    WNDPROC oldProc = nullptr;
    if (ControlRecord* record = RecordOf(hwnd)) {
        record->brush.reset();
        record->font.reset();
        oldProc = record->old_proc;
        TakeRecord(hwnd).reset();
    }
    ReleaseTags(hwnd);
    if (oldProc) SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc));
    return oldProc;
}

LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ControlRecord* record = RecordOf(hwnd);
    // Without a record the replaced procedure is unknown; only the default one is safe.
    if (!record || !record->old_proc) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_DESTROY: {
            const WNDPROC oldProc = ReleaseControlRecord(hwnd);
            CallWindowProcW(oldProc, hwnd, message, wParam, lParam);
            return 0;
        }
        case WM_SETFOCUS:
            OnControlSetFocus(hwnd, *record);
            break;
        case WM_DROPFILES:
            // A drop on a control is its form's to take; lParam, which the
            // system leaves 0, names the control.
            return SendMessageW(GetParent(hwnd), WM_DROPFILES, wParam, reinterpret_cast<LPARAM>(hwnd));
        default:
            break;
    }
    return CallWindowProcW(record->old_proc, hwnd, message, wParam, lParam);
}

ControlRecord* CreateFormRecord(HWND form) {
    ControlRecord* record = AttachRecord(form, OwnedRecord(new (std::nothrow) ControlRecord{}));
    if (!record) return nullptr;
    record->is_form = 1;
    record->hwnd = form;
    return record;
}

void DestroyFormRecord(HWND form) {
    if (OwnedRecord record = TakeRecord(form)) {
        record->brush.reset();
        record->accel.reset();
        record->timer.reset();
        record.reset();
    }
    // Tags go even when the record is missing: nothing else would free them.
    ReleaseTags(form);
}

}  // namespace trelvane
