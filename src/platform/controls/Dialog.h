// "#32770" dialog windows: the default dialog procedure, keyboard navigation between controls and the
// modal loop; message boxes are dialogs whose buttons end them.
#pragma once

#include "platform/controls/ControlsInternal.h"

namespace win::controls {

struct DialogState {
    bool inLoop = false;
    bool ended = false;
    INT_PTR result = 0;
    HWND savedFocus = nullptr;
    int defId = IDOK;
    bool messageBox = false;
    UINT boxType = 0;
};

class Dialog {
public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static DialogState* StateOf(HWND hwnd);
    static void FocusFirst(HWND hwnd);

private:
    static LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnSetFocus(HWND hwnd);
    static LRESULT OnGetDefId(HWND hwnd);
    static LRESULT OnEraseBkgnd(HWND hwnd, HDC dc);
    static LRESULT OnCommand(HWND hwnd, WORD id, WORD code);
    static LRESULT OnClose(HWND hwnd);
    static LRESULT OnActivate(HWND hwnd, WORD state);
    static LRESULT OnSetDefId(HWND hwnd, int id);
    static LRESULT OnNextDlgCtl(HWND hwnd, WPARAM wParam, bool handle);
};

} // namespace win::controls
