// Top-level windows: a frame with caption and border icons, a placement rule applied each time the form is
// shown, modal showing over the forms behind it, and closing that hides rather than destroys (the main form's
// closing ends the application). A form streams its layout in its constructor and then runs OnCreate.
#pragma once

#include "toolkit/TWinControl.h"

#include <string_view>

namespace tk {

class TMainMenu;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum class TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

class TCustomForm : public TWinControl {
    TK_CLASS(TCustomForm, TWinControl)
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return m_position; }
    void SetPosition(TPosition position) { m_position = position; }
    // The menu bar the window shows; the form builds it from the menu's items and keeps the client size.
    TMainMenu* Menu() const { return m_menu; }
    void SetMenu(TMainMenu* menu);
    // The same by the menu component's name (empty for none); a layout's name waits until it is read.
    void SetMenuByName(const std::string& name);

    win::RECT ClientRect() const override;
    // While a layout streams in, the client size waits for the frame style it depends on.
    void SetClientSize(int width, int height) override;

    void Close();
    int ShowModal();
    bool IsModal() const { return m_modal; }
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result);
    // Moves the focus to the next (or previous) control that is a tab stop, in tab order.
    void SelectNext(bool backwards);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;

protected:
    // Streams the form's layout (file name for messages only), then runs OnCreate; a failure inside
    // OnCreate goes to the default error box and creation carries on.
    void LoadLayout(std::string_view text, std::string_view fileName);
    void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);

    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Loaded() override;
    void CreateHandleDone() override;

private:
    TFormBorderStyle m_borderStyle = TFormBorderStyle::bsSizeable;
    TBorderIcons m_borderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition m_position = TPosition::poDesigned;
    TModalResult m_modalResult = mrNone;
    bool m_modal = false;
    std::vector<TCustomForm*> m_disabledForms;
    int m_pendingClientWidth = -1;
    int m_pendingClientHeight = -1;
    TMainMenu* m_menu = nullptr;
    std::string m_pendingMenuName; // named by a layout before the menu itself was read
    win::HMENU m_menuHandle = nullptr;

    void ApplyPosition();
    void EnableOtherForms();
    void ShowingChanged();
    void CMDialogKey(TMessage& m);
    void WMActivate(bool active);
    win::DWORD FrameStyle() const;
    win::DWORD FrameExStyle() const;
    // Gives the window the menu's bar (or none), built afresh; `keepClient`: the window grows or shrinks by
    // the bar so that the client area keeps its height.
    void ApplyMenu(bool keepClient);
    bool MenuMessage(TMessage& m);
};

class TForm : public TCustomForm {
    TK_CLASS(TForm, TCustomForm)
public:
    using TCustomForm::TCustomForm;
};

} // namespace tk
