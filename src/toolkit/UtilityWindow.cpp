#include "toolkit/UtilityWindow.h"

#include "toolkit/TComponent.h"
#include "toolkit/TWinControl.h"

namespace tk {

namespace {
constexpr const char* kClassName = "TPUtilWindow";

void RegisterClass() {
    win::WNDCLASSEXA existing{};
    if (win::GetClassInfoExA(win::GetModuleHandleA(nullptr), kClassName, &existing))
        return;
    win::WNDCLASSEXA wc{};
    wc.lpfnWndProc = &win::DefWindowProcA;
    wc.hInstance = win::GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    if (!win::RegisterClassExA(&wc))
        throw ComponentError("cannot register the utility window class");
}
} // namespace

UtilityWindow::UtilityWindow(Handler handler) : m_handler(std::move(handler)) {
    RegisterClass();
    m_instance = std::make_unique<win::ObjectInstance>(
        [this](win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) -> win::LRESULT {
            try {
                if (m_handler && msg != win::WM_NCDESTROY)
                    return m_handler(msg, wParam, lParam);
            } catch (...) {
                HandleToolkitException(std::current_exception());
                return 0;
            }
            return win::DefWindowProcA(hwnd, msg, wParam, lParam);
        });
    if (!m_instance->Valid())
        throw ComponentError("no window procedure slot is left for a utility window");
    m_handle = win::CreateWindowExA(0, kClassName, "", win::WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    win::GetModuleHandleA(nullptr), nullptr);
    if (!m_handle)
        throw ComponentError("cannot create a utility window");
    win::SetWindowLongPtrA(m_handle, win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(m_instance->Proc()));
}

UtilityWindow::~UtilityWindow() {
    if (m_handle) {
        win::SetWindowLongPtrA(m_handle, win::GWLP_WNDPROC,
                               reinterpret_cast<win::LONG_PTR>(&win::DefWindowProcA));
        win::DestroyWindow(m_handle);
    }
}

} // namespace tk
