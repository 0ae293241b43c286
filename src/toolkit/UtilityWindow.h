// A hidden window whose messages go to a callable, for components that need a window but are not controls
// (timers, the application's own message sink).
#pragma once

#include "platform/win.h"

#include <functional>
#include <memory>

namespace tk {

class UtilityWindow {
public:
    using Handler = std::function<win::LRESULT(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam)>;

    explicit UtilityWindow(Handler handler);
    ~UtilityWindow();
    UtilityWindow(const UtilityWindow&) = delete;
    UtilityWindow& operator=(const UtilityWindow&) = delete;

    win::HWND Handle() const { return m_handle; }

private:
    Handler m_handler;
    std::unique_ptr<win::ObjectInstance> m_instance;
    win::HWND m_handle = nullptr;
};

} // namespace tk
