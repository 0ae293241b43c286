#include "skin/manager/TSkinManage.h"

#include "skin/data/SkinMessages.h"

#include "platform/os/Bytes.h"
#include "toolkit/TApplication.h"
#include "toolkit/TCustomForm.h"

#include <algorithm>

namespace skin {

namespace {

std::unique_ptr<TSkinManage>& Instance() {
    static std::unique_ptr<TSkinManage> manager;
    return manager;
}

// The hook outlives no manager: it is removed when the manager ends, and a call that arrives while the
// manager is being torn down is only passed on.
win::HHOOK g_cbtHook = nullptr;
bool g_shuttingDown = false;

SkinManagerLink* GetLink() {
    return &TSkinManage::Get();
}
SkinManagerLink* ExistingLink() {
    return TSkinManage::Existing();
}

std::string ClassNameOf(win::HWND hwnd) {
    char name[256] = {};
    win::GetClassNameA(hwnd, name, sizeof name);
    return name;
}

} // namespace

TSkinManage& TSkinManage::Get() {
    auto& manager = Instance();
    if (!manager)
        manager = std::make_unique<TSkinManage>(nullptr);
    return *manager;
}

TSkinManage* TSkinManage::Existing() {
    return Instance().get();
}

void TSkinManage::Destroy() {
    auto& manager = Instance();
    if (!manager)
        return;
    g_shuttingDown = true;
    manager->StartState = kDestroying;
    if (g_cbtHook)
        win::UnhookWindowsHookEx(g_cbtHook);
    g_cbtHook = nullptr;
    manager.reset();
    g_shuttingDown = false;
}

void InstallSkinManager() {
    SkinManagerLink::Install(&GetLink, &ExistingLink);
}

TSkinManage::TSkinManage(win::HMODULE ownerModule) : OwnerModule(ownerModule), Timer(nullptr) {
    Timer.SetEnabled(false);
    Timer.SetInterval(100);
    Timer.OnTimer = [this](tk::TObject*) { RunCommand(); };
    TWinSkinForm::FrameGone = [](TWinSkinForm* frame) {
        if (TSkinManage* manager = Existing())
            manager->OnFrameGone(frame);
    };
}

TSkinManage::~TSkinManage() {
    // Every window gets its own frame back while it still exists.
    StartState = kDestroying;
    RestoreFrames(nullptr, false);
    TWinSkinForm::FrameGone = nullptr;
}

void TSkinManage::OnFrameGone(TWinSkinForm* frame) {
    if (StartState == kDestroying)
        return;
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), frame), m_forms.end());
}

TWinSkinForm* TSkinManage::FindFrame(win::HWND hwnd) const {
    for (TWinSkinForm* frame : m_forms)
        if (frame->Window() == hwnd)
            return frame;
    return nullptr;
}

void TSkinManage::PurgeFrames() {
    if (StartState == kDestroying)
        return;
    for (std::size_t i = m_forms.size(); i-- > 0;) {
        TWinSkinForm* frame = m_forms[i];
        if (frame->State() == TWinSkinForm::fsDead && frame->OwnerModule == OwnerModule) {
            m_forms.erase(m_forms.begin() + static_cast<std::ptrdiff_t>(i));
            delete frame;
        }
    }
}

void TSkinManage::RestoreFrames(TSkinData* data, bool lastOnly) {
    for (std::size_t i = m_forms.size(); i-- > 0;) {
        TWinSkinForm* frame = m_forms[i];
        if (data && frame->Skin() != data)
            continue;
        m_forms.erase(m_forms.begin() + static_cast<std::ptrdiff_t>(i));
        const win::HWND hwnd = frame->Window();
        frame->Restore();
        delete frame;
        if (win::IsWindow(hwnd) && StartState != kDestroying) {
            win::InvalidateRect(hwnd, nullptr, win::TRUE);
            win::UpdateWindow(hwnd);
        }
        if (lastOnly)
            return;
    }
}

void TSkinManage::Sweep(tk::TComponent* owner) {
    if (!tk::Screen)
        return;
    Sweeping = true;
    const std::vector<tk::TCustomForm*> forms = tk::Screen->Forms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        tk::TCustomForm* form = *it;
        if (owner && form != owner)
            continue;
        if (!form->HandleAllocated() || !win::IsWindowVisible(form->Handle()) ||
            (win::GetWindowLongA(form->Handle(), win::GWL_STYLE) & win::WS_CHILD))
            continue;
        AttachWindow(form->Handle());
    }
    Sweeping = false;
}

void TSkinManage::AddSkinData(TSkinData* data) {
    if (!data || std::find(m_skinDatas.begin(), m_skinDatas.end(), data) != m_skinDatas.end())
        return;
    m_skinDatas.push_back(data);
    if (!DefaultSkinData && data->SkinFormtype() == sfMainform)
        DefaultSkinData = data;
}

void TSkinManage::RemoveSkinData(TSkinData* data) {
    m_skinDatas.erase(std::remove(m_skinDatas.begin(), m_skinDatas.end(), data), m_skinDatas.end());
    // A component that is gone must not be asked anything later.
    if (DefaultSkinData == data)
        DefaultSkinData = nullptr;
    if (PendingSkinData == data)
        PendingSkinData = nullptr;
}

void TSkinManage::QueueCommand(unsigned command, int intervalMs) {
    PendingCommand = command;
    Timer.SetInterval(intervalMs);
    if (StartState != kNotStarted) {
        Timer.SetEnabled(true);
        return;
    }
    if (command == cmdActivate)
        Active = true;
    else if (command == cmdDeactivate)
        Active = false;
}

void TSkinManage::RunCommand() {
    Timer.SetEnabled(false);
    TSkinData* data = PendingSkinData;
    if (!data)
        return;
    const bool onlyItsForm = data->SkinFormtype() == sfOnlyThisForm;
    switch (PendingCommand) {
    case cmdActivate:
        Active = true;
        if (!onlyItsForm)
            PurgeFrames();
        Sweep(onlyItsForm ? data->Owner() : nullptr);
        break;
    case cmdDeactivate:
        Active = false;
        PurgeFrames();
        RestoreFrames(onlyItsForm ? data : nullptr, onlyItsForm);
        break;
    case cmdRefresh:
        PurgeFrames();
        RefreshCaptionButtons(data);
        for (TWinSkinForm* frame : m_forms)
            if (frame->Skin() == data)
                frame->Reapply();
        break;
    case cmdPurge: PurgeFrames(); break;
    case cmdReattach:
        if (TWinSkinForm* frame = FindFrame(ReattachWindow)) {
            m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), frame), m_forms.end());
            frame->Restore();
            delete frame;
        }
        AttachWindow(ReattachWindow);
        return;
    default: break;
    }
    PendingSkinData = nullptr;
    data->FireSkinChanged();
}

TSkinData* TSkinManage::ChooseSkinData(win::HWND hwnd) const {
    if (m_skinDatas.empty())
        return nullptr;
    for (TSkinData* data : m_skinDatas) {
        if (data->SkinFormtype() != sfOnlyThisForm)
            continue;
        auto* form = dynamic_cast<tk::TCustomForm*>(data->Owner());
        if (form && form->HandleAllocated() && form->Handle() == hwnd)
            return data;
    }
    const std::string lower = win::AsciiLower(ClassNameOf(hwnd));
    const auto lastOf = [&](TSkinFormType type) -> TSkinData* {
        for (auto it = m_skinDatas.rbegin(); it != m_skinDatas.rend(); ++it)
            if ((*it)->SkinFormtype() == type)
                return *it;
        return nullptr;
    };
    if (lower == "tmessageform" || lower == "#32770")
        if (TSkinData* dialog = lastOf(sfDialog))
            return dialog;
    if (TSkinData* main = lastOf(sfMainform))
        return main;
    return m_skinDatas.front();
}

bool TSkinManage::PassesWindowFilter(win::HWND hwnd, const std::string& className) const {
    if (!DefaultSkinData)
        return true;
    bool verdict = true;
    const std::string lower = win::AsciiLower(className);
    const auto style = static_cast<win::DWORD>(win::GetWindowLongA(hwnd, win::GWL_STYLE));
    if (!(DefaultSkinData->Options() & Bit(xoPreview)) && lower.find("preview") != std::string::npos)
        verdict = false;
    else if (className == "#32770" && (style & 0x200) != 0)
        verdict = false;
    else if (lower == "tpopupdbtreeview")
        verdict = false;
    DefaultSkinData->VetWindow(hwnd, className, verdict);
    return verdict;
}

bool TSkinManage::IsPlainChild(win::HWND hwnd) {
    const auto style = static_cast<win::DWORD>(win::GetWindowLongA(hwnd, win::GWL_STYLE));
    const auto exStyle = static_cast<win::DWORD>(win::GetWindowLongA(hwnd, win::GWL_EXSTYLE));
    if (!(style & win::WS_CHILD) || (exStyle & win::WS_EX_MDICHILD))
        return false;
    return win::AsciiLower(ClassNameOf(win::GetParent(hwnd))) != "mdiclient";
}

tk::TCustomForm* TSkinManage::FindToolkitForm(win::HWND hwnd) {
    if (!hwnd)
        return nullptr;
    if (tk::Screen)
        for (tk::TCustomForm* form : tk::Screen->Forms())
            if (form->HandleAllocated() && form->Handle() == hwnd)
                return form;
    auto* stored =
        reinterpret_cast<tk::TObject*>(win::GetPropA(hwnd, tk::TWinControl::ControlAtomName().c_str()));
    return dynamic_cast<tk::TCustomForm*>(stored);
}

void TSkinManage::StartDirect() {
    Active = true;
    ++StartState;
}

void TSkinManage::RefreshCaptionButtons(TSkinData* data) {
    for (TWinSkinForm* frame : m_forms)
        if (frame->Skin() == data)
            frame->RebuildCaptionButtons();
}

void TSkinManage::InstallHook() {
    if (g_cbtHook)
        return;
    g_cbtHook =
        win::SetWindowsHookExA(win::WH_CBT, &TSkinManage::CbtProc, nullptr, win::GetCurrentThreadId());
}

win::LRESULT CALLBACK TSkinManage::CbtProc(int code, win::WPARAM wParam, win::LPARAM lParam) {
    TSkinManage* manager = Existing();
    if (g_shuttingDown || code < 0 || !manager)
        return win::CallNextHookEx(g_cbtHook, code, wParam, lParam);
    auto* hwnd = reinterpret_cast<win::HWND>(wParam);
    switch (code) {
    case win::HCBT_CREATEWND:
        manager->OnCreateWindow(hwnd, reinterpret_cast<const win::CBT_CREATEWNDA*>(lParam));
        break;
    case win::HCBT_DESTROYWND: manager->DetachPopupMenu(hwnd); break;
    case win::HCBT_ACTIVATE: manager->OnActivate(hwnd); break;
    default: break;
    }
    return win::CallNextHookEx(g_cbtHook, code, wParam, lParam);
}

void TSkinManage::OnCreateWindow(win::HWND hwnd, const win::CBT_CREATEWNDA* create) {
    const win::CREATESTRUCTA* cs = create ? create->lpcs : nullptr;
    if (!cs)
        return;
    const std::string className =
        cs->lpszClass && !win::IS_INTRESOURCE(cs->lpszClass) ? std::string(cs->lpszClass) : ClassNameOf(hwnd);
    if (!(cs->style & win::WS_CHILD) && className == "#32768")
        AttachPopupMenu(hwnd);
    if (cs->dwExStyle & win::WS_EX_MDICHILD)
        AttachWindow(hwnd);
}

bool TSkinManage::AttachPopupMenu(win::HWND hwnd) {
    if (!Active || win::SendMessageA(hwnd, SkinMsgQuery, 0, 0) == 1)
        return false;
    for (const auto& menu : m_popupMenus)
        if (menu->Window() == hwnd)
            return false;
    TSkinData* skin = ChooseSkinData(hwnd);
    if (!skin || skin->SkinLoading)
        return false;
    const TSkinControlTypes kinds = skin->SkinControls();
    const bool skinned = PopupMode == 0   ? (kinds & Bit(xcPopupMenu)) != 0
                         : PopupMode == 1 ? (kinds & (Bit(xcMainMenu) | Bit(xcMenuItem))) != 0
                                          : (kinds & Bit(xcSystemMenu)) != 0;
    if (!skinned)
        return false;
    auto menu = std::make_unique<TWinSkinPopMenu>(*this, skin, hwnd, MenuBarTracking);
    if (!menu->Attached())
        return false;
    m_popupMenus.push_back(std::move(menu));
    return true;
}

bool TSkinManage::DetachPopupMenu(win::HWND hwnd) {
    for (auto it = m_popupMenus.begin(); it != m_popupMenus.end(); ++it) {
        if ((*it)->Window() == hwnd) {
            m_popupMenus.erase(it);
            return true;
        }
    }
    return false;
}

void TSkinManage::OnActivate(win::HWND hwnd) {
    // Top-level windows are framed when they are first activated, not when they are made.
    if (StartState == kNotStarted)
        StartState = kStarted;
    AttachWindow(hwnd);
}

TSkinData* TSkinManage::Qualify(win::HWND hwnd) const {
    if (!Active || !win::IsWindow(hwnd))
        return nullptr;
    if (win::SendMessageA(hwnd, SkinMsgQuery, 0, 0) == 1)
        return nullptr;
    tk::TCustomForm* form = FindToolkitForm(hwnd);
    if (!Sweeping && IsPlainChild(hwnd))
        return nullptr;
    const std::string className = ClassNameOf(hwnd);
    const auto instance = reinterpret_cast<win::HINSTANCE>(win::GetWindowLongPtrA(hwnd, win::GWLP_HINSTANCE));
    if (!form && instance != win::GetModuleHandleA(nullptr) && className != "#32770")
        return nullptr;
    win::RECT r;
    win::GetWindowRect(hwnd, &r);
    const bool mdiChild = (win::GetWindowLongA(hwnd, win::GWL_EXSTYLE) & win::WS_EX_MDICHILD) != 0;
    if ((r.right - r.left) * (r.bottom - r.top) == 0 && !mdiChild)
        return nullptr;
    if (form && form->Tag() == 99)
        return nullptr;
    if (className.find("TcxPopupEditPopupWindow") != std::string::npos ||
        className.find("TTERenderWindow") != std::string::npos || className == "TApplication")
        return nullptr;
    if (!PassesWindowFilter(hwnd, className))
        return nullptr;
    TSkinData* skin = ChooseSkinData(hwnd);
    return skin && !skin->SkinLoading ? skin : nullptr;
}

bool TSkinManage::AttachWindow(win::HWND hwnd) {
    if (!Active)
        return false;
    PurgeFrames();
    if (FindFrame(hwnd))
        return false;
    TSkinData* skin = Qualify(hwnd);
    if (!skin)
        return false;
    tk::TCustomForm* form = FindToolkitForm(hwnd);
    auto* frame = new TWinSkinForm(form);
    frame->OwnerModule = OwnerModule;
    if (form)
        frame->AttachToForm(skin, form);
    else
        frame->AttachToWindow(skin, hwnd);
    m_forms.push_back(frame);
    if (StartState == kNotStarted)
        StartState = kStarted;
    win::PostMessageA(hwnd, SkinMsgFinish, 0, 1000);
    return true;
}

} // namespace skin
