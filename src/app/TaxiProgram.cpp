#include "app/TaxiProgram.h"

#include "app/BankLocation.h"
#include "app/TForm1.h"
#include "practice/RandomGenerator.h"
#include "practice/TForm2.h"
#include "result/Modality.h"
#include "result/Tchengjiform.h"
#include "skin/data/TSkinData.h"
#include "skin/manager/TSkinManage.h"

#include <cstdio>
#include <filesystem>

namespace taxi {

void InitializeProgramToolkit() {
    tk::InitializeToolkit();
    // The main window's layout names the skin component; its class must be known before the layout streams.
    tk::RegisterClass(skin::TSkinData::StaticClassInfo());
    skin::InstallSkinManager();
}

namespace {

// The main window's skin component reads the package; it must do so before the other windows exist, so
// that every window is framed in the chosen skin from its first paint.
void UseSkinFile(const std::string& file) {
    auto* skinData = dynamic_cast<skin::TSkinData*>(Form1->FindComponent("SkinData1"));
    std::error_code ec;
    if (!skinData || !std::filesystem::is_regular_file(file, ec)) {
        std::fprintf(stderr,
                     "taxitrainer: the skin \"%s\" is not a file that can be read; the built-in skin stays\n",
                     file.c_str());
        return;
    }
    skinData->SetSkinFile(file);
}

} // namespace

void CreateProgramWindows(const ProgramOptions& options) {
    if (Modality::ProgramFolder.empty())
        Modality::ProgramFolder = win::ExecutableFolder();
    const BankLocation::Choice bank =
        BankLocation::Choose(Modality::ProgramFolder, BankLocation::Environment::FromProcess());
    if (!bank.warning.empty())
        std::fprintf(stderr, "taxitrainer: %s\n", bank.warning.c_str());
    Modality::BankFolder = bank.folder;
    Modality::Reset();
    RandomGenerator::Instance().Seed(RandomGenerator::kFixedSeed);
    tk::Application->CreateForm(Form1);
    if (!options.skinFile.empty())
        UseSkinFile(options.skinFile);
    tk::Application->CreateForm(Form2);
    tk::Application->CreateForm(chengjiform);
}

void FinalizeProgram() {
    // The manager goes first: it gives every window back its own frame while the windows still exist.
    skin::TSkinManage::Destroy();
    tk::FinalizeToolkit();
    // The quit message that ended the loop, and anything left for the windows just freed, must not reach a
    // later run in this process.
    win::MSG leftover;
    while (win::PeekMessageA(&leftover, nullptr, 0, 0, win::PM_REMOVE)) {
    }
    Form1 = nullptr;
    Form2 = nullptr;
    chengjiform = nullptr;
}

int RunProgram(const ProgramOptions& options) {
    InitializeProgramToolkit();
    tk::Application->Initialize();
    tk::Application->SetTitle(kApplicationTitle);
    win::HANDLE mutex = win::CreateMutexA(nullptr, win::FALSE, kApplicationTitle);
    const bool running = win::GetLastError() == win::ERROR_ALREADY_EXISTS;
    int result = 0;
    if (running) {
        win::MessageBoxA(nullptr, "程序已经运行", "提示", win::MB_OK);
        tk::Application->Terminate();
    } else if (!mutex) {
        // Without the lock nothing stops a second copy, and two copies would write the same bank's
        // wrong-answer flags behind each other's backs: refusing to start is the safe side.
        std::fprintf(stderr, "taxitrainer: not starting: the single-instance lock cannot be taken: %s\n",
                     win::MutexFailure().c_str());
        win::MessageBoxA(nullptr, "无法确认程序是否已经运行，程序不能启动。", "提示",
                         win::MB_OK | win::MB_ICONERROR);
        tk::Application->Terminate();
        result = 1;
    } else {
        CreateProgramWindows(options);
        tk::Application->Run();
    }
    FinalizeProgram();
    if (mutex)
        win::CloseHandle(mutex);
    return result;
}

} // namespace taxi
