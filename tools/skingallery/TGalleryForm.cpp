#include "TGalleryForm.h"

#include "skin/manager/TSkinManage.h"
#include "toolkit/FormParts.h"
#include "toolkit/TCustomRadioGroup.h"
#include "toolkit/TStatusPanel.h"
#include "toolkit/WidgetClasses.h"

extern const char GalleryFormLayout[];

namespace gallery {

namespace {

// The hook procedure has no context of its own; only one gallery window exists at a time.
TGalleryForm* g_hookedForm = nullptr;

// The platform's key table stops at F4; F5 has the same virtual-key number on every keyboard.
constexpr win::WPARAM kVkF5 = 0x74;

} // namespace

void InitializeGalleryToolkit() {
    tk::InitializeToolkit();
    // The layout names the skin component; its class must be known before the layout streams.
    tk::RegisterClass(skin::TSkinData::StaticClassInfo());
    skin::InstallSkinManager();
}

void FinalizeGalleryToolkit() {
    skin::TSkinManage::Destroy();
    tk::FinalizeToolkit();
    win::MSG leftover;
    while (win::PeekMessageA(&leftover, nullptr, 0, 0, win::PM_REMOVE)) {
    }
}

TK_IMPLEMENT_CLASS(TGalleryForm, tk::TForm, nullptr)

TGalleryForm::TGalleryForm(tk::TComponent* owner) : tk::TForm(owner) {
    DefineMethod("FormShow", &TGalleryForm::FormShow);
    DefineMethod("Reload1Click", &TGalleryForm::Reload1Click);
    DefineMethod("Exit1Click", &TGalleryForm::Exit1Click);
    LoadLayout(GalleryFormLayout, "Gallery.layout");
    HandleNeeded();
    m_skinData = tk::FindPart<skin::TSkinData>(*this, "SkinData1");
    m_popupMenu = tk::FindPart<tk::TPopupMenu>(*this, "PopupMenu1");
    m_statusBar = tk::FindPart<tk::TStatusBar>(*this, "StatusBar1");
    // A layout cannot list a radio group's items.
    tk::FindPart<tk::TRadioGroup>(*this, "RadioGroup1")->SetItems({"First", "Second", "Disabled"});
    tk::FindPart<tk::TRadioGroup>(*this, "RadioGroup1")->SetItemIndex(1);
    // F5 must work whichever control has the focus, and keys go to the focused control, not the form: the
    // key is caught as it leaves the queue.
    g_hookedForm = this;
    m_keyboardHook = win::SetWindowsHookExA(win::WH_GETMESSAGE, &TGalleryForm::KeyboardHook, nullptr, 0);
    // The bar placed itself while the form was still without its menu bar, so on a taller client area.
    m_statusBar->Realign();
    ShowSkinInStatus();
    DoCreate();
}

TGalleryForm::~TGalleryForm() {
    if (m_keyboardHook)
        win::UnhookWindowsHookEx(m_keyboardHook);
    if (g_hookedForm == this)
        g_hookedForm = nullptr;
}

void TGalleryForm::UseSkinChoice(const GalleryOptions& options) {
    if (options.NoSkin()) {
        m_skinData->SetActive(false);
    } else if (!options.SkinFile().empty()) {
        m_skinFile = options.SkinFile();
        m_skinData->SetSkinFile(m_skinFile);
    }
    ShowSkinInStatus();
}

void TGalleryForm::ReloadSkin() {
    if (m_skinFile.empty() || !m_skinData->Active())
        return;
    m_skinData->SetSkinFile(m_skinFile);
    ShowSkinInStatus();
}

std::string TGalleryForm::SkinName() const {
    return m_skinData->SkinName;
}

void TGalleryForm::FormShow(tk::TObject*) {
    // The focused state is shown on an edit, the control whose focus is plainest to see.
    tk::FindPart<tk::TWinControl>(*this, "FocusedEdit")->SetFocus();
}

void TGalleryForm::Reload1Click(tk::TObject*) {
    ReloadSkin();
}

void TGalleryForm::Exit1Click(tk::TObject*) {
    Close();
}

void TGalleryForm::WndProc(tk::TMessage& message) {
    switch (message.Msg) {
    case win::WM_CONTEXTMENU: WMContextMenu(message.LParam); return;
    default: tk::TForm::WndProc(message); return;
    }
}

win::LRESULT TGalleryForm::KeyboardHook(int code, win::WPARAM wParam, win::LPARAM lParam) {
    auto* msg = reinterpret_cast<win::MSG*>(lParam);
    if (code >= 0 && msg && msg->message == win::WM_KEYDOWN && msg->wParam == kVkF5 && g_hookedForm) {
        // The key is the gallery's, not the focused control's: it goes no further.
        msg->message = win::WM_NULL;
        g_hookedForm->ReloadSkin();
    }
    return win::CallNextHookEx(nullptr, code, wParam, lParam);
}

void TGalleryForm::WMContextMenu(win::LPARAM screenPoint) {
    int x = static_cast<short>(win::LOWORD(static_cast<win::DWORD_PTR>(screenPoint)));
    int y = static_cast<short>(win::HIWORD(static_cast<win::DWORD_PTR>(screenPoint)));
    // From the keyboard there is no pointer position: the menu opens at the form's top-left corner.
    if (screenPoint == -1) {
        const win::POINT corner = ClientToScreen(win::POINT{0, 0});
        x = corner.x;
        y = corner.y;
    }
    m_popupMenu->SetPopupComponent(this);
    m_popupMenu->Popup(x, y);
}

void TGalleryForm::ShowSkinInStatus() {
    std::string text = "No skin";
    if (m_skinData->Active())
        text = "Skin: " + (SkinName().empty() ? std::string("(unnamed)") : SkinName());
    if (tk::TStatusPanel* panel = m_statusBar->Panels(0))
        panel->SetText(text);
}

} // namespace gallery
