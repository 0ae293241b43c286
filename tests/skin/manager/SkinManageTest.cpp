// The skin manager's decisions: which component skins a window, which windows may be framed, and how the
// components' requests wait for the timer.
#include "skin/data/SkinMessages.h"
#include "skin/manager/TSkinManage.h"

#include "TestSkin.h"

#include "toolkit/TApplication.h"
#include "toolkit/TCustomForm.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using namespace skin;

namespace {

class SkinManager : public ::testing::Test {
protected:
    void SetUp() override { tk::InitializeToolkit(); }
    void TearDown() override {
        for (win::HWND w : m_windows)
            win::DestroyWindow(w);
        TSkinManage::Destroy();
        tk::FinalizeToolkit();
    }

    TSkinData& Component(TSkinFormType type, tk::TComponent* owner = nullptr) {
        auto* data = new TSkinData(owner ? owner : tk::Application);
        data->SetSkinFormtype(type);
        return *data;
    }
    // A window of this program's module, or of `module`.
    win::HWND Window(const char* className, win::DWORD style = win::WS_POPUP, win::HWND parent = nullptr,
                     win::DWORD exStyle = 0, win::HINSTANCE module = win::GetModuleHandleA(nullptr)) {
        RegisterPlain(className);
        win::HWND w = win::CreateWindowExA(exStyle, className, "", style, 0, 0, 100, 80, parent, nullptr,
                                           module, nullptr);
        EXPECT_NE(w, nullptr) << className;
        m_windows.insert(m_windows.begin(), w); // children go before their parents
        return w;
    }

private:
    static void RegisterPlain(const char* className) {
        win::WNDCLASSEXA existing;
        if (win::GetClassInfoExA(nullptr, className, &existing))
            return;
        win::WNDCLASSEXA wc;
        wc.lpfnWndProc = &win::DefWindowProcA;
        wc.lpszClassName = className;
        win::RegisterClassExA(&wc);
    }
    std::vector<win::HWND> m_windows;
};

} // namespace

TEST_F(SkinManager, TheFirstMainComponentIsTheDefaultAndAGoneComponentIsForgotten) {
    TSkinManage& manager = TSkinManage::Get();
    EXPECT_EQ(&manager, TSkinManage::Existing());
    TSkinData& only = Component(sfOnlyThisForm);
    TSkinData& main1 = Component(sfMainform);
    TSkinData& main2 = Component(sfMainform);
    manager.AddSkinData(&only);
    manager.AddSkinData(&main1);
    manager.AddSkinData(&main2);
    manager.AddSkinData(&main1);
    EXPECT_EQ(manager.SkinDatas().size(), 3u);
    EXPECT_EQ(manager.DefaultSkinData, &main1);
    manager.PendingSkinData = &main1;
    manager.RemoveSkinData(&main1);
    EXPECT_EQ(manager.DefaultSkinData, nullptr);
    EXPECT_EQ(manager.PendingSkinData, nullptr);
    EXPECT_EQ(manager.SkinDatas().size(), 2u);
}

TEST_F(SkinManager, AWindowIsSkinnedByItsOwnFormsComponentThenByKindThenByTheFirst) {
    TSkinManage& manager = TSkinManage::Get();
    const win::HWND popup = Window("TPlainWindow");
    const win::HWND dialog = Window("#32770");
    EXPECT_EQ(manager.ChooseSkinData(popup), nullptr) << "no component at all";

    TSkinData& first = Component(sfDLL);
    manager.AddSkinData(&first);
    EXPECT_EQ(manager.ChooseSkinData(popup), &first);
    EXPECT_EQ(manager.ChooseSkinData(dialog), &first);

    TSkinData& main1 = Component(sfMainform);
    TSkinData& main2 = Component(sfMainform);
    TSkinData& dialogs = Component(sfDialog);
    manager.AddSkinData(&main1);
    manager.AddSkinData(&dialogs);
    manager.AddSkinData(&main2);
    EXPECT_EQ(manager.ChooseSkinData(popup), &main2) << "the last main component";
    EXPECT_EQ(manager.ChooseSkinData(dialog), &dialogs);

    auto* form = new tk::TForm(tk::Application);
    TSkinData& own = Component(sfOnlyThisForm, form);
    manager.AddSkinData(&own);
    EXPECT_EQ(manager.ChooseSkinData(form->Handle()), &own);
    EXPECT_EQ(manager.ChooseSkinData(popup), &main2);
    EXPECT_EQ(TSkinManage::FindToolkitForm(form->Handle()), form);
    EXPECT_EQ(TSkinManage::FindToolkitForm(popup), nullptr);
    manager.RemoveSkinData(&own);
}

TEST_F(SkinManager, TheWindowFilterRefusesPreviewsDialogsWithBit9AndTreePopupsThenAsksTheComponent) {
    TSkinManage& manager = TSkinManage::Get();
    const win::HWND preview = Window("TPrintPreviewForm");
    EXPECT_TRUE(manager.PassesWindowFilter(preview, "TPrintPreviewForm")) << "no default component: no rules";

    TSkinData& main = Component(sfMainform);
    manager.AddSkinData(&main);
    EXPECT_TRUE(manager.PassesWindowFilter(preview, "TPrintPreviewForm")) << "xoPreview is on by default";
    main.SetOptions(main.Options() & ~Bit(xoPreview));
    EXPECT_FALSE(manager.PassesWindowFilter(preview, "TPrintPreviewForm"));

    const win::HWND plainDialog = Window("#32770", win::WS_POPUP);
    const win::HWND bit9Dialog = Window("#32770", win::WS_POPUP | 0x200);
    EXPECT_TRUE(manager.PassesWindowFilter(plainDialog, "#32770"));
    EXPECT_FALSE(manager.PassesWindowFilter(bit9Dialog, "#32770"));
    EXPECT_FALSE(manager.PassesWindowFilter(plainDialog, "TPopupDBTreeView"));
    EXPECT_FALSE(manager.PassesWindowFilter(plainDialog, "SysMonthCal32")) << "the component's own veto";

    main.OnFormSkin = [](tk::TObject*, std::string name, bool& doSkin) { doSkin = name != "TForm9"; };
    EXPECT_TRUE(manager.PassesWindowFilter(bit9Dialog, "#32770")) << "the handler has the last word";
    EXPECT_TRUE(manager.PassesWindowFilter(plainDialog, "SysMonthCal32"));
    EXPECT_FALSE(manager.PassesWindowFilter(plainDialog, "TForm9"));
}

TEST_F(SkinManager, OnlyChildrenOutsideAnMdiClientArePlainChildren) {
    const win::HWND top = Window("TPlainWindow");
    const win::HWND child = Window("TPlainChild", win::WS_CHILD, top);
    const win::HWND mdiChild = Window("TPlainChild", win::WS_CHILD, top, win::WS_EX_MDICHILD);
    const win::HWND client = Window("MDIClient", win::WS_CHILD, top);
    const win::HWND inClient = Window("TPlainChild", win::WS_CHILD, client);
    EXPECT_FALSE(TSkinManage::IsPlainChild(top));
    EXPECT_TRUE(TSkinManage::IsPlainChild(child));
    EXPECT_FALSE(TSkinManage::IsPlainChild(mdiChild));
    EXPECT_FALSE(TSkinManage::IsPlainChild(inClient));
}

TEST_F(SkinManager, RequestsBeforeTheFirstActivationOnlySwitchAndLaterOnesWaitForTheTimer) {
    TSkinManage& manager = TSkinManage::Get();
    TSkinData& main = Component(sfMainform);
    manager.AddSkinData(&main);
    int changed = 0;
    main.OnSkinChanged = [&](tk::TObject*) { ++changed; };

    manager.QueueCommand(TSkinManage::cmdActivate, 250);
    EXPECT_TRUE(manager.Active);
    EXPECT_FALSE(manager.Timer.Enabled());
    manager.QueueCommand(TSkinManage::cmdDeactivate, 250);
    EXPECT_FALSE(manager.Active);
    EXPECT_EQ(changed, 0) << "nothing was carried out, so nothing is announced";

    manager.StartState = TSkinManage::kStarted;
    manager.PendingSkinData = &main;
    manager.QueueCommand(TSkinManage::cmdActivate, 250);
    EXPECT_FALSE(manager.Active) << "a started manager waits for its timer";
    EXPECT_TRUE(manager.Timer.Enabled());
    EXPECT_EQ(manager.Timer.Interval(), 250);
    manager.RunCommand();
    EXPECT_TRUE(manager.Active);
    EXPECT_FALSE(manager.Timer.Enabled());
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(manager.PendingSkinData, nullptr);

    manager.QueueCommand(TSkinManage::cmdDeactivate, 250);
    manager.RunCommand();
    EXPECT_TRUE(manager.Active) << "without a component to act for, a tick does nothing";
}

namespace {

// A component as the toolkit leaves it after reading a form: properties set while loading, then Loaded.
TSkinData& LoadedComponent(TSkinFormType type, bool active, bool withSkin, tk::TComponent* owner) {
    auto* data = new TSkinData(owner);
    data->BeginLoading();
    data->SetSkinFormtype(type);
    data->SetActive(active);
    if (withSkin) {
        const skintest::Bytes container = skintest::Package("[TitlebarSkin]\r\nSkinName=Test\r\n");
        skintest::Bytes stream(4);
        const auto n = static_cast<std::uint32_t>(container.size());
        for (int i = 0; i < 4; ++i)
            stream[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n >> (8 * i));
        stream.insert(stream.end(), container.begin(), container.end());
        data->SetSkinStream(stream);
    }
    data->EndLoading();
    return *data;
}

class SkinComponentAndManager : public SkinManager {
protected:
    void SetUp() override {
        SkinManager::SetUp();
        InstallSkinManager();
    }
};

} // namespace

TEST_F(SkinComponentAndManager, AStoredActiveMainComponentSwitchesSkinningOnAtOnceBeforeAnyActivation) {
    TSkinData& main = LoadedComponent(sfMainform, true, true, tk::Application);
    TSkinManage* manager = TSkinManage::Existing();
    ASSERT_NE(manager, nullptr) << "the first component to load makes the manager";
    EXPECT_EQ(manager->DefaultSkinData, &main);
    EXPECT_TRUE(manager->Active);
    EXPECT_EQ(manager->StartState, TSkinManage::kNotStarted);

    // The hook sees the first activation.
    const win::HWND w = Window("TPlainWindow", win::WS_POPUP | win::WS_VISIBLE);
    win::SetActiveWindow(w);
    EXPECT_EQ(manager->StartState, TSkinManage::kStarted);
}

TEST_F(SkinComponentAndManager, WithoutASkinAStoredActiveComponentIsSwitchedOff) {
    TSkinData& main = LoadedComponent(sfMainform, true, false, tk::Application);
    EXPECT_FALSE(main.Active());
    EXPECT_FALSE(TSkinManage::Get().Active);
    main.SetActive(true);
    EXPECT_TRUE(main.Active()) << "the property takes the value";
    EXPECT_FALSE(TSkinManage::Get().Active) << "but nothing is skinned while no skin has loaded";
    EXPECT_EQ(TSkinManage::Get().PendingSkinData, nullptr);
}

TEST_F(SkinComponentAndManager, SwitchingAtRunTimeWaitsForTheTimerAndThenAnnouncesTheChange) {
    TSkinData& main = LoadedComponent(sfMainform, false, true, tk::Application);
    TSkinManage& manager = TSkinManage::Get();
    int changed = 0;
    main.OnSkinChanged = [&](tk::TObject*) { ++changed; };
    main.SetActive(true);
    EXPECT_TRUE(manager.Active) << "before the first activation the switch needs no sweep";
    EXPECT_EQ(manager.StartState, TSkinManage::kStarted);

    main.SetActive(false);
    EXPECT_TRUE(manager.Active) << "now it waits for the timer";
    EXPECT_EQ(manager.PendingSkinData, &main);
    EXPECT_EQ(manager.PendingCommand, TSkinManage::cmdDeactivate);
    EXPECT_EQ(manager.Timer.Interval(), TSkinData::kRequestDelay);
    manager.RunCommand();
    EXPECT_FALSE(manager.Active);
    EXPECT_EQ(changed, 1);
}

TEST_F(SkinComponentAndManager, ANewSkinFileRefreshesLaterAndAMissingOneChangesNothing) {
    TSkinData& main = LoadedComponent(sfMainform, true, true, tk::Application);
    TSkinManage& manager = TSkinManage::Get();
    manager.StartState = TSkinManage::kStarted;
    int changed = 0;
    main.OnSkinChanged = [&](tk::TObject*) { ++changed; };

    main.SetSkinFile("/nonexistent/folder/none.skin");
    EXPECT_FALSE(manager.Timer.Enabled());
    EXPECT_TRUE(main.SkinLoading) << "no further window is skinned with it until a skin loads";

    const std::string path = testing::TempDir() + "manager-test.skin";
    {
        const skintest::Bytes container = skintest::Package("[TitlebarSkin]\r\nSkinName=Second\r\n");
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(container.data()),
                  static_cast<std::streamsize>(container.size()));
    }
    main.SetSkinFile(path);
    EXPECT_EQ(main.SkinName, "Second");
    EXPECT_EQ(manager.PendingSkinData, &main);
    EXPECT_EQ(manager.PendingCommand, TSkinManage::cmdRefresh);
    EXPECT_TRUE(manager.Timer.Enabled());
    EXPECT_EQ(changed, 0);
    manager.RunCommand();
    EXPECT_EQ(changed, 1);
    std::remove(path.c_str());
}

TEST_F(SkinComponentAndManager, OnlyTheProgramsSizedTopLevelWindowsOfAllowedClassesQualify) {
    TSkinData& main = LoadedComponent(sfMainform, true, true, tk::Application);
    TSkinManage& manager = TSkinManage::Get();
    const win::HWND top = Window("TPlainWindow");
    EXPECT_EQ(manager.Qualify(top), &main);

    const win::HWND child = Window("TPlainChild", win::WS_CHILD, top);
    EXPECT_EQ(manager.Qualify(child), nullptr);
    manager.Sweeping = true;
    EXPECT_EQ(manager.Qualify(child), &main) << "a sweep over existing forms lifts the child rule";
    manager.Sweeping = false;

    const win::HWND empty = win::CreateWindowExA(0, "TPlainWindow", "", win::WS_POPUP, 0, 0, 0, 0, nullptr,
                                                 nullptr, nullptr, nullptr);
    EXPECT_EQ(manager.Qualify(empty), nullptr) << "zero size";
    win::DestroyWindow(empty);
    static char foreignModule;
    const auto foreign = reinterpret_cast<win::HINSTANCE>(&foreignModule);
    EXPECT_EQ(manager.Qualify(Window("TPlainWindow", win::WS_POPUP, nullptr, 0, foreign)), nullptr)
        << "another module's window";
    EXPECT_EQ(manager.Qualify(Window("#32770", win::WS_POPUP, nullptr, 0, foreign)), &main)
        << "a system dialog, whoever made it";
    EXPECT_EQ(manager.Qualify(Window("TApplication")), nullptr);
    EXPECT_EQ(manager.Qualify(Window("TTERenderWindowX")), nullptr);
    EXPECT_EQ(manager.Qualify(Window("SysMonthCal32")), nullptr);

    auto* tagged = new tk::TForm(tk::Application);
    tagged->SetTag(99);
    EXPECT_EQ(manager.Qualify(tagged->Handle()), nullptr) << "a form tagged 99";
    auto* plain = new tk::TForm(tk::Application);
    EXPECT_EQ(manager.Qualify(plain->Handle()), &main);

    main.SkinLoading = true;
    EXPECT_EQ(manager.Qualify(top), nullptr) << "its component is loading";
    main.SkinLoading = false;
    manager.Active = false;
    EXPECT_EQ(manager.Qualify(top), nullptr) << "skinning is off";
}

TEST_F(SkinComponentAndManager, AComponentThatGoesLeavesTheManager) {
    TSkinData& main = LoadedComponent(sfMainform, true, true, tk::Application);
    TSkinManage& manager = TSkinManage::Get();
    ASSERT_EQ(manager.SkinDatas().size(), 1u);
    delete &main;
    EXPECT_TRUE(manager.SkinDatas().empty());
    EXPECT_EQ(manager.DefaultSkinData, nullptr);
}

TEST_F(SkinComponentAndManager, APopupMenuOpenedWhileActiveIsSkinnedAndOneOpenedWhileInactiveIsNot) {
    TSkinData& main = LoadedComponent(sfMainform, true, true, tk::Application);
    TSkinManage& manager = TSkinManage::Get();
    const auto popup = [] {
        return win::CreateWindowExA(0, "#32768", "", win::WS_POPUP, 0, 0, 80, 60, nullptr, nullptr, nullptr,
                                    nullptr);
    };
    win::HWND skinned = popup();
    EXPECT_EQ(win::SendMessageA(skinned, SkinMsgQuery, 0, 0), 1);
    ASSERT_EQ(manager.PopupMenus().size(), 1u);
    win::DestroyWindow(skinned);
    EXPECT_TRUE(manager.PopupMenus().empty()) << "let go of when the window goes";

    manager.PopupMode = 2; // the system menu, whose kind this component does not skin
    main.SetSkinControls(main.SkinControls() & ~Bit(xcSystemMenu));
    win::HWND systemMenu = popup();
    EXPECT_NE(win::SendMessageA(systemMenu, SkinMsgQuery, 0, 0), 1);
    win::DestroyWindow(systemMenu);
    manager.PopupMode = 0;

    manager.Active = false;
    win::HWND plain = popup();
    EXPECT_NE(win::SendMessageA(plain, SkinMsgQuery, 0, 0), 1) << "the system's look while skinning is off";
    EXPECT_TRUE(manager.PopupMenus().empty());
    win::DestroyWindow(plain);
}
