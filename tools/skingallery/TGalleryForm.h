// The gallery window: every control kind from its layout, in every state that can be shown at once, under
// the built-in reference skin, a skin package read from disk, or no skin.
#pragma once

#include "GalleryOptions.h"

#include "skin/data/TSkinData.h"
#include "toolkit/TApplication.h"
#include "toolkit/TPopupMenu.h"
#include "toolkit/TStatusBar.h"

#include <string>

namespace gallery {

// The toolkit, the skin component's class and the skin manager, in the order the gallery needs them.
void InitializeGalleryToolkit();
// Undoes InitializeGalleryToolkit; the skin manager goes first, while the windows it framed still exist.
void FinalizeGalleryToolkit();

class TGalleryForm : public tk::TForm {
    TK_CLASS(TGalleryForm, tk::TForm)
public:
    explicit TGalleryForm(tk::TComponent* owner);
    ~TGalleryForm() override;

    // Applies the command line's skin choice; call once, right after the form is created.
    void UseSkinChoice(const GalleryOptions& options);
    // Reads the skin file again (F5); nothing happens for the built-in skin or with no skin.
    void ReloadSkin();
    // The name the current skin package gives itself, empty when none is loaded.
    std::string SkinName() const;
    skin::TSkinData* SkinData() const { return m_skinData; }

    void FormShow(tk::TObject* Sender);
    void Reload1Click(tk::TObject* Sender);
    void Exit1Click(tk::TObject* Sender);

protected:
    void WndProc(tk::TMessage& message) override;

private:
    static win::LRESULT KeyboardHook(int code, win::WPARAM wParam, win::LPARAM lParam);
    void WMContextMenu(win::LPARAM screenPoint);
    void ShowSkinInStatus();

    skin::TSkinData* m_skinData = nullptr;
    tk::TPopupMenu* m_popupMenu = nullptr;
    tk::TStatusBar* m_statusBar = nullptr;
    std::string m_skinFile;
    win::HHOOK m_keyboardHook = nullptr;
};

} // namespace gallery
