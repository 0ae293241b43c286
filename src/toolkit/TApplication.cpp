#include "toolkit/TApplication.h"

#include "toolkit/WidgetClasses.h"

#include <algorithm>

namespace tk {

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

TK_IMPLEMENT_CLASS(TApplication, TComponent, nullptr)
TK_IMPLEMENT_CLASS(TScreen, TComponent, nullptr)

void InitializeToolkit() {
    win::RegisterSystemClasses();
    RegisterWidgetClasses();
    if (!Screen)
        Screen = new TScreen(nullptr);
    if (!Application)
        Application = new TApplication(nullptr);
}

void FinalizeToolkit() {
    delete Application;
    Application = nullptr;
    delete Screen;
    Screen = nullptr;
    SetExceptionHandler(nullptr);
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
    SetExceptionHandler([this](std::exception_ptr error) { HandleException(error); });
}

TApplication::~TApplication() {
    m_hints.Shutdown();
    DestroyComponents();
    if (Application == this)
        SetExceptionHandler(nullptr);
}

void TApplication::Initialize() {
}

void TApplication::Terminate() {
    if (!m_terminated) {
        m_terminated = true;
        win::PostQuitMessage(0);
    }
}

bool TApplication::ProcessMessage(win::MSG& msg) {
    if (msg.message == win::WM_QUIT) {
        m_terminated = true;
        return false;
    }
    win::TranslateMessage(&msg);
    win::DispatchMessageA(&msg);
    return true;
}

void TApplication::ProcessMessages() {
    win::MSG msg{};
    while (win::PeekMessageA(&msg, nullptr, 0, 0, win::PM_REMOVE))
        if (!ProcessMessage(msg))
            break;
}

bool TApplication::HandleMessage() {
    win::MSG msg{};
    if (win::GetMessageA(&msg, nullptr, 0, 0) <= 0) {
        m_terminated = true;
        return false;
    }
    return ProcessMessage(msg);
}

void TApplication::Run() {
    if (m_mainForm)
        m_mainForm->Show();
    while (!m_terminated && HandleMessage()) {
    }
}

void TApplication::HandleException(std::exception_ptr error) {
    std::string text;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text = e.what();
    } catch (...) {
        text = "Unknown failure";
    }
    if (OnException) {
        OnException(text);
        return;
    }
    MessageBox(text, m_title, win::MB_OK | win::MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    if (MessageBoxHandler)
        return MessageBoxHandler(text, caption, flags);
    return win::MessageBoxA(win::GetActiveWindow(), text.c_str(), caption.c_str(), flags);
}

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
}

void TScreen::AddForm(TCustomForm* form) {
    m_forms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), form), m_forms.end());
}

TCustomForm* TScreen::ActiveForm() const {
    win::HWND active = win::GetActiveWindow();
    for (TCustomForm* form : m_forms)
        if (form->HandleAllocated() && form->Handle() == active)
            return form;
    return nullptr;
}

int TScreen::Width() const {
    return win::GetSystemMetrics(win::SM_CXSCREEN);
}
int TScreen::Height() const {
    return win::GetSystemMetrics(win::SM_CYSCREEN);
}

} // namespace tk
