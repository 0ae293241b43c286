#include "skin/data/TSkinData.h"

#include "skin/data/DefaultSkin3rd.h"
#include "skin/data/SkinManagerLink.h"
#include "skin/data/WinSkinData.h"
#include "skin/package/TLZH.h"

#include "toolkit/PropertyBuilders.h"
#include "toolkit/THintWindow.h"
#include "toolkit/TWinControl.h"

#include <filesystem>
#include <fstream>

namespace skin {

const tk::EnumInfo kSkinControlTypeInfo{
    "TSkinControlType",
    {"xcMainMenu", "xcPopupMenu",   "xcMenuItem",   "xcToolbar",   "xcControlbar", "xcCombo",
     "xcCheckBox", "xcRadioButton", "xcProgress",   "xcScrollbar", "xcEdit",       "xcButton",
     "xcBitBtn",   "xcSpeedButton", "xcSpin",       "xcPanel",     "xcGroupBox",   "xcStatusBar",
     "xcTab",      "xcTrackBar",    "xcSystemMenu", "xcFastReport"}};
const tk::EnumInfo kSkinOptionInfo{"TSkinOption",
                                   {"xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview",
                                    "xoParentBackGround", "xoNoFocusRect", "xoToolbarBK", "xoToolbarButton",
                                    "xoMDIChildBorder", "xoMenuBG", "xoCaptionButtonHint",
                                    "xoFormScrollbar"}};
const tk::EnumInfo kSkinFormTypeInfo{"TSkinFormType", {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"}};

namespace {

void DefineSkinDataProperties(std::vector<tk::PropertyInfo>& p) {
    using T = TSkinData;
    p.push_back(tk::BooleanProperty<T>("Active", &T::Active, &T::SetActive));
    p.push_back(tk::IntegerProperty<T>("DisableTag", &T::DisableTag, &T::SetDisableTag));
    p.push_back(
        tk::SetProperty<T>("SkinControls", kSkinControlTypeInfo, &T::SkinControls, &T::SetSkinControls));
    p.push_back(tk::SetProperty<T>("Options", kSkinOptionInfo, &T::Options, &T::SetOptions));
    p.push_back(tk::StringProperty<T>("Skin3rd", &T::Skin3rdText, &T::SetSkin3rdText));
    p.push_back(tk::StringProperty<T>("SkinFile", &T::SkinFile, &T::SetSkinFile));
    p.push_back(tk::StringProperty<T>("SkinStore", &T::SkinStore, &T::SetSkinStore));
    p.push_back(
        tk::EnumProperty<T>("SkinFormtype", kSkinFormTypeInfo, &T::SkinFormtype, &T::SetSkinFormtype));
    p.push_back(tk::StringProperty<T>("Version", &T::Version, &T::SetVersion));
    p.push_back(tk::BooleanProperty<T>("MenuUpdate", &T::MenuUpdate, &T::SetMenuUpdate));
    p.push_back(tk::BooleanProperty<T>("MenuMerge", &T::MenuMerge, &T::SetMenuMerge));
    p.push_back(tk::EventProperty<T>("OnFormSkin", &T::OnFormSkin));
    p.push_back(tk::EventProperty<T>("OnSkinChanged", &T::OnSkinChanged));
    p.push_back(tk::EventProperty<T>("OnSkinControl", &T::OnSkinControl));
    p.push_back(tk::EventProperty<T>("OnBeforeSkinForm", &T::OnBeforeSkinForm));
    p.push_back(tk::EventProperty<T>("OnAfterSkinForm", &T::OnAfterSkinForm));
    p.push_back(tk::BinaryProperty<T>("SkinStream", &T::SkinStream, &T::SetSkinStream));
}

} // namespace

TK_IMPLEMENT_CLASS(TSkinData, tk::TComponent, DefineSkinDataProperties)

TSkinData::TSkinData(tk::TComponent* owner)
    : tk::TComponent(owner), m_skin3rd(DefaultSkin3rd()),
      m_hintWindow(std::make_unique<tk::THintWindow>(nullptr)) {
    MaxSize = {win::GetSystemMetrics(win::SM_CXMAXIMIZED), win::GetSystemMetrics(win::SM_CYMAXIMIZED)};
    SkinLoading = true;
}

TSkinData::~TSkinData() {
    if (SkinManagerLink* manager = SkinManagerLink::Existing())
        manager->RemoveSkinData(this);
}

void TSkinData::SetActive(bool value) {
    if (value == m_active)
        return;
    m_active = value;
    // The manager carries the switch out from its timer, never inside the setter; a component still being
    // read only stores the value, and Loaded acts on it.
    SkinManagerLink* manager = SkinManagerLink::Existing();
    if (IsLoading() || !manager)
        return;
    if (m_formType == sfMainform) {
        if (value && SkinLoading)
            return;
        manager->SetPending(this);
        manager->Queue(value ? 1 : 2, kRequestDelay);
        if (value)
            manager->MarkStarted();
    } else if (m_formType == sfOnlyThisForm) {
        manager->SetPending(this);
        if (!(value && SkinLoading))
            manager->Queue(value ? 1 : 2, kRequestDelay);
    }
}

void TSkinData::RefreshAfterLoad() {
    if (IsLoading())
        return;
    if (!SkinManagerLink::Existing())
        Loaded();
    SkinManagerLink* manager = SkinManagerLink::Existing();
    if (!manager)
        return;
    manager->SetPending(this);
    manager->RefreshCaptionButtons(this);
    if (manager->Started())
        manager->Queue(3, kRequestDelay);
}

std::string TSkinData::Skin3rdText() const {
    std::string text;
    for (const std::string& line : m_skin3rd) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TSkinData::SetSkin3rdText(const std::string& text) {
    m_skin3rd.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        const std::size_t stop = end == std::string::npos ? text.size() : end;
        if (stop > start)
            m_skin3rd.push_back(text.substr(start, stop - start));
        start = stop + (text.compare(stop, 2, "\r\n") == 0 ? 2 : 1);
    }
}

tk::Bytes TSkinData::SkinStream() const {
    tk::Bytes out(4 + m_storedSkin.size());
    const auto count = static_cast<std::uint32_t>(m_storedSkin.size());
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(count >> (8 * i));
    std::copy(m_storedSkin.begin(), m_storedSkin.end(), out.begin() + 4);
    return out;
}

void TSkinData::SetSkinStream(const tk::Bytes& bytes) {
    const std::int32_t count = bytes.size() >= 4 ? TLZH::ReadInt32(bytes.data()) : 0;
    if (count <= 0)
        return;
    // A count beyond the bytes stored would read past them: the stream is damaged, and no skin is taken.
    if (static_cast<std::size_t>(count) > bytes.size() - 4) {
        if (ReportFailure)
            ReportFailure("SkinStream: the stored count of " + std::to_string(count) + " bytes exceeds the " +
                          std::to_string(bytes.size() - 4) + " bytes stored");
        return;
    }
    m_storedSkin.assign(bytes.begin() + 4, bytes.begin() + 4 + count);
    LoadSkin();
}

bool TSkinData::LoadSkin() {
    return LoadPackage(m_storedSkin);
}

void TSkinData::SetSkinFile(const std::string& name) {
    SkinLoading = true;
    m_skinFile = name;
    std::error_code ec;
    if (name.empty() || !std::filesystem::is_regular_file(name, ec))
        return;
    const std::uintmax_t size = std::filesystem::file_size(name, ec);
    if (ec || size > kMaxSkinFileSize) {
        if (ReportFailure)
            ReportFailure(name + ": not a skin file that can be read");
        return;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    std::ifstream in(name, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        if (ReportFailure)
            ReportFailure(name + ": cannot be read");
        return;
    }
    m_storedSkin = std::move(bytes);
    LoadSkin();
    RefreshAfterLoad();
}

void TSkinData::Loaded() {
    tk::TComponent::Loaded();
    // Without the system's scroll-bar information the skinned bars cannot follow the real ones.
    if (!WinSkinData::ScrollBarInfoEntry())
        m_skinControls &= ~Bit(xcScrollbar);
    win::NONCLIENTMETRICSA metrics;
    if (win::SystemParametersInfoA(win::SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        CaptionFont.SetName(metrics.lfCaptionFont.lfFaceName);
        if (metrics.lfCaptionFont.lfHeight != 0)
            CaptionFont.SetHeight(metrics.lfCaptionFont.lfHeight);
        CaptionFont.SetStyle(metrics.lfCaptionFont.lfWeight >= win::FW_BOLD ? tk::TFontStyles{tk::fsBold}
                                                                            : 0u);
    }
    SkinManagerLink* manager = SkinManagerLink::Get();
    if (manager)
        manager->AddSkinData(this);
    if (m_formType == sfMainform) {
        if (manager)
            manager->InstallHook();
        if (m_active && SkinLoading)
            m_active = false;
        else if (m_active && manager)
            manager->Queue(1, kRequestDelay);
        if (m_skinControls & Bit(xcMainMenu))
            m_skinControls &= ~Bit(xcMenuItem);
        else
            m_skinControls &= ~Bit(xcSystemMenu);
        BuildIconImage();
        return;
    }
    if (!manager)
        return;
    manager->StartDirect();
    if (auto* form = dynamic_cast<tk::TWinControl*>(Owner()); form && m_active)
        manager->AttachWindow(form->Handle());
}

// The program's small icon on magenta: what an icon button shows for a window that has no icon of its own.
// The program has no application window, so the icon is the main form's (its own, else its class's).
void TSkinData::BuildIconImage() {
    const int size = win::GetSystemMetrics(win::SM_CXSMICON);
    if (!IconImage.SetSize(size, size, 0xFF00FF, 24))
        return;
    IconImage.SetTransparent(true);
    auto* form = dynamic_cast<tk::TWinControl*>(Owner());
    const win::HWND window = form && form->HandleAllocated() ? form->Handle() : nullptr;
    if (!window)
        return;
    auto icon = reinterpret_cast<win::HICON>(win::SendMessageA(window, win::WM_GETICON, win::ICON_SMALL, 0));
    if (!icon)
        icon = reinterpret_cast<win::HICON>(win::SendMessageA(window, win::WM_GETICON, win::ICON_BIG, 0));
    if (!icon)
        icon = reinterpret_cast<win::HICON>(win::GetClassLongPtrA(window, win::GCLP_HICONSM));
    if (!icon)
        icon = reinterpret_cast<win::HICON>(win::GetClassLongPtrA(window, win::GCLP_HICON));
    if (!icon)
        return;
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, IconImage.Handle());
    win::DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, win::DI_NORMAL);
    win::SelectObject(dc, old);
    win::DeleteDC(dc);
}

void TSkinData::VetWindow(win::HWND window, const std::string& className, bool& verdict) {
    VettedWindow = window;
    if (OnFormSkin) {
        OnFormSkin(this, className, verdict);
        return;
    }
    if (className == "SysMonthCal32")
        verdict = false;
    else if ((m_skinControls & Bit(xcFastReport)) && className.starts_with("Tfr"))
        verdict = false;
}

void TSkinData::FireSkinChanged() {
    if (OnSkinChanged)
        OnSkinChanged(this);
}

void TSkinData::ShowCaptionHint(const win::RECT& rect, const std::string& text) {
    if (!(m_options & Bit(xoCaptionButtonHint)) || HintShowing)
        return;
    win::RECT at = m_hintWindow->CalcHintRect(kCaptionHintMaxWidth, text);
    win::OffsetRect(&at, rect.left, rect.top);
    m_hintWindow->ActivateHint(at, text);
    HintShowing = true;
}

void TSkinData::HideCaptionHint() {
    if (!HintShowing)
        return;
    m_hintWindow->ReleaseHandle();
    HintShowing = false;
}

} // namespace skin
