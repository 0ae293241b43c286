#include "skin/manager/TSkinManage.h"

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
    if (auto& manager = Instance()) {
        manager->StartState = kDestroying;
        manager.reset();
    }
}

TSkinManage::TSkinManage(win::HMODULE ownerModule) : OwnerModule(ownerModule), Timer(nullptr) {
    Timer.SetEnabled(false);
    Timer.SetInterval(100);
    Timer.OnTimer = [this](tk::TObject*) { RunCommand(); };
}

TSkinManage::~TSkinManage() = default;

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
    switch (PendingCommand) {
    case cmdActivate: Active = true; break;
    case cmdDeactivate: Active = false; break;
    case cmdReattach: return;
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

} // namespace skin
