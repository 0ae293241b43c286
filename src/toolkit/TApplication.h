// The application object and the screen: the program's title, its main form (the first form created), the
// message loop, and the default error box that shows a failure escaping an event handler and lets the loop go
// on. The screen keeps the list of forms.
#pragma once

#include "toolkit/HintController.h"
#include "toolkit/TCustomForm.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace tk {

class TApplication : public TComponent {
    TK_CLASS(TApplication, TComponent)
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    void Initialize();
    const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& title) { m_title = title; }

    // Creates a form owned by the application; the first one becomes the main form once its constructor (and
    // so its OnCreate) has run.
    template <class T> void CreateForm(T*& reference) {
        reference = new T(this);
        if (!m_mainForm) {
            reference->HandleNeeded();
            m_mainForm = reference;
        }
    }
    TCustomForm* MainForm() const { return m_mainForm; }

    // Shows the main form and dispatches messages until the application is terminated.
    void Run();
    // Dispatches what is waiting and returns.
    void ProcessMessages();
    // Waits for one message and dispatches it; false once WM_QUIT arrives.
    bool HandleMessage();
    void Terminate();
    bool Terminated() const { return m_terminated; }

    // The default error box: the failure's text, the application's title as caption, a stop icon.
    void HandleException(std::exception_ptr error);
    std::function<void(const std::string& message)> OnException;
    // How message boxes are shown; the platform's message box by default, replaceable by tests and by the
    // display-less start-up check.
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
    std::function<int(const std::string& text, const std::string& caption, unsigned flags)> MessageBoxHandler;

    // Hints of controls with ShowHint, shown after HintPause and hidden after HintHidePause (milliseconds).
    HintController& Hints() { return m_hints; }
    void SetHintPause(int ms) { m_hintPause = std::max(0, ms); }
    void SetHintHidePause(int ms) { m_hintHidePause = std::max(0, ms); }
    int HintPause() const { return m_hintPause; }
    int HintHidePause() const { return m_hintHidePause; }
    int HintShortPause() const { return m_hintShortPause; }

private:
    std::string m_title;
    TCustomForm* m_mainForm = nullptr;
    bool m_terminated = false;
    int m_hintPause = 500;
    int m_hintHidePause = 2500;
    int m_hintShortPause = 50;
    HintController m_hints;

    bool ProcessMessage(win::MSG& msg);
};

class TScreen : public TComponent {
    TK_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* owner);

    const std::vector<TCustomForm*>& Forms() const { return m_forms; }
    int FormCount() const { return static_cast<int>(m_forms.size()); }
    TCustomForm* ActiveForm() const;
    int Width() const;
    int Height() const;

private:
    friend class TCustomForm;
    std::vector<TCustomForm*> m_forms;
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
};

// The one application and screen of the program, made by the first use of either.
extern TApplication* Application;
extern TScreen* Screen;
void InitializeToolkit();
void FinalizeToolkit();

} // namespace tk
