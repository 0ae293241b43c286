// The skin component a form places in its layout: it stores a skin package (SkinStream, or a file named by
// SkinFile), loads it into the skin elements it derives from TSkinElements, and publishes the switches that
// say what is skinned. Activation through the skin manager builds on this.
#pragma once

#include "skin/data/SkinDataTypes.h"
#include "skin/data/TSkinElements.h"

#include "toolkit/TComponent.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tk {
class THintWindow;
}

namespace skin {

class TSkinData : public tk::TComponent, public TSkinElements {
    TK_CLASS(TSkinData, tk::TComponent)
public:
    static constexpr const char* kVersion = "5.40.07.15";
    static constexpr TSkinControlTypes kDefaultControls =
        ((Bit(xcFastReport) << 1) - 1) & ~Bit(xcMenuItem) & ~Bit(xcFastReport);
    static constexpr TSkinOptions kDefaultOptions =
        Bit(xoPreview) | Bit(xoToolbarBK) | Bit(xoCaptionButtonHint);
    static constexpr int kCaptionHintMaxWidth = 500;
    // How long the manager waits before carrying out a request, so that it runs from the message loop.
    static constexpr int kRequestDelay = 250;
    // A skin file larger than this is refused rather than read into memory.
    static constexpr std::uintmax_t kMaxSkinFileSize = 64 * 1024 * 1024;

    explicit TSkinData(tk::TComponent* owner);
    ~TSkinData() override;

    bool Active() const { return m_active; }
    void SetActive(bool value);
    int DisableTag() const { return m_disableTag; }
    void SetDisableTag(int tag) { m_disableTag = tag; }
    TSkinControlTypes SkinControls() const { return m_skinControls; }
    void SetSkinControls(TSkinControlTypes controls) { m_skinControls = controls; }
    TSkinOptions Options() const { return m_options; }
    void SetOptions(TSkinOptions options) { m_options = options; }
    const std::vector<std::string>& Skin3rd() const { return m_skin3rd; }
    void SetSkin3rd(const std::vector<std::string>& lines) { m_skin3rd = lines; }
    // The list as one text, lines separated by CR LF (how layouts store it).
    std::string Skin3rdText() const;
    void SetSkin3rdText(const std::string& text);
    const std::string& SkinFile() const { return m_skinFile; }
    void SetSkinFile(const std::string& name);
    std::string SkinStore() const { return "(none)"; }
    void SetSkinStore(const std::string&) {}
    TSkinFormType SkinFormtype() const { return m_formType; }
    void SetSkinFormtype(TSkinFormType type) { m_formType = type; }
    std::string Version() const { return kVersion; }
    void SetVersion(const std::string&) {}
    bool MenuUpdate() const { return m_menuUpdate; }
    void SetMenuUpdate(bool value) { m_menuUpdate = value; }
    bool MenuMerge() const { return m_menuMerge; }
    void SetMenuMerge(bool value) { m_menuMerge = value; }

    // The binary property: a 32-bit little-endian byte count, then that many bytes of the container.
    tk::Bytes SkinStream() const;
    void SetSkinStream(const tk::Bytes& bytes);
    const std::vector<std::uint8_t>& StoredSkin() const { return m_storedSkin; }

    // Loads StoredSkin into the elements; false when it cannot be read (the previous elements stay).
    bool LoadSkin();
    // Tells the manager this component's skin changed: the frames that use it re-skin themselves.
    void RefreshAfterLoad();

    // The veto run for every window about to be framed: OnFormSkin decides when assigned; otherwise a month
    // calendar is never framed, nor (with xcFastReport) a window whose class name begins with "Tfr".
    void VetWindow(win::HWND window, const std::string& className, bool& verdict);
    // Tells the program that a request to the skin manager has been carried out.
    void FireSkinChanged();
    // The hint of a caption button, under `rect` (screen coordinates), when the options ask for such hints.
    void ShowCaptionHint(const win::RECT& rect, const std::string& text);
    void HideCaptionHint();
    tk::THintWindow* HintWindow() const { return m_hintWindow.get(); }

    TOnFormSkin OnFormSkin;
    TNotifyEvent OnSkinChanged;
    TOnSkinControl OnSkinControl;
    TOnSkinForm OnBeforeSkinForm;
    TOnSkinForm OnAfterSkinForm;

    win::SIZE MaxSize{};
    win::HWND VettedWindow = nullptr;
    bool HintShowing = false;
    // How long the pointer has rested on a caption button, in milliseconds of the frames' hint timers.
    int HintCounter = 0;

protected:
    void Loaded() override;

private:
    void BuildIconImage();
    bool m_active = false;
    int m_disableTag = 99;
    TSkinControlTypes m_skinControls = kDefaultControls;
    TSkinOptions m_options = kDefaultOptions;
    std::vector<std::string> m_skin3rd;
    std::string m_skinFile;
    TSkinFormType m_formType = sfMainform;
    bool m_menuUpdate = true;
    bool m_menuMerge = false;
    std::vector<std::uint8_t> m_storedSkin;
    std::unique_ptr<tk::THintWindow> m_hintWindow;
};

} // namespace skin
