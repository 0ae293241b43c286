#include "skin/data/WindowSubclass.h"

namespace skin {

WindowSubclass::~WindowSubclass() {
    Restore();
}

bool WindowSubclass::Attach(win::HWND hwnd, win::ObjectInstance::Method method, bool ansiOnly) {
    Restore();
    if (!win::IsWindow(hwnd))
        return false;
    auto instance = std::make_unique<win::ObjectInstance>(std::move(method));
    if (!instance->Valid())
        return false;
    m_wide = !ansiOnly && win::IsWindowUnicode(hwnd);
    const auto proc = reinterpret_cast<win::LONG_PTR>(instance->Proc());
    const win::LONG_PTR previous = m_wide ? win::SetWindowLongPtrW(hwnd, win::GWLP_WNDPROC, proc)
                                          : win::SetWindowLongPtrA(hwnd, win::GWLP_WNDPROC, proc);
    if (!previous)
        return false;
    m_hwnd = hwnd;
    m_previous = reinterpret_cast<win::WNDPROC>(previous);
    m_instance = std::move(instance);
    return true;
}

win::LRESULT WindowSubclass::CallPrevious(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                          win::LPARAM lParam) const {
    if (!m_previous)
        return win::DefWindowProcA(hwnd, msg, wParam, lParam);
    return win::CallWindowProcA(m_previous, hwnd, msg, wParam, lParam);
}

void WindowSubclass::Restore() {
    if (!m_instance)
        return;
    if (win::IsWindow(m_hwnd)) {
        const auto previous = reinterpret_cast<win::LONG_PTR>(m_previous);
        if (m_wide)
            win::SetWindowLongPtrW(m_hwnd, win::GWLP_WNDPROC, previous);
        else
            win::SetWindowLongPtrA(m_hwnd, win::GWLP_WNDPROC, previous);
    }
    m_instance.reset();
    m_previous = nullptr;
    m_hwnd = nullptr;
}

} // namespace skin
