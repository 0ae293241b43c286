// A skinned memo scrolled by one line, as the mouse wheel or an arrow key does it: the memo repaints and
// its vertical overlay follows the real bar and is drawn again from the skin.
#include "skin/controls/SkinnerContext.h"
#include "skin/controls/TSkinScrollbar.h"
#include "skin/data/TSkinData.h"

#include "TestSkin.h"

#include "platform/display/HeadlessDisplay.h"
#include "toolkit/TApplication.h"
#include "toolkit/TCustomForm.h"
#include "toolkit/TCustomMemo.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int kArrow = 16;

skintest::Bytes ScrollPackage() {
    const std::string ini = "[Scrollbar]\r\nImage=a.bmp\r\nTrans=1\r\n"
                            "[VertScroll]\r\nImage=t.bmp\r\n[HorzScroll]\r\nImage=t.bmp\r\n"
                            "[VertScrollThumb]\r\nImage=m.bmp\r\n[HorzScrollThumb]\r\nImage=m.bmp\r\n";
    return skintest::Package(
        ini,
        {{"a.bmp", skintest::Bmp24(23 * kArrow, kArrow, [](int x, int) { return 0x101010u * (x / kArrow); })},
         {"t.bmp", skintest::SolidBmp(32, 8, 0x303090)},
         {"m.bmp", skintest::SolidBmp(24, 8, 0x90C030)}});
}

void BM_ScrollSkinnedMemoOneLine(benchmark::State& state) {
    auto& display = win::display::ResetHeadless(true);
    tk::InitializeToolkit();
    {
        skin::TSkinData skin(nullptr);
        if (!skin.LoadPackage(ScrollPackage())) {
            state.SkipWithError("the scroll-bar skin did not load");
            tk::FinalizeToolkit();
            return;
        }
        std::unique_ptr<tk::TForm> form(new tk::TForm(tk::Application));
        form->SetBounds(100, 100, 360, 240);
        form->Show();
        auto* memo = new tk::TMemo(form.get());
        memo->SetBounds(20, 20, 200, 120);
        memo->SetScrollBars(tk::TScrollStyle::ssVertical);
        memo->SetParent(form.get());
        std::string text;
        for (int i = 0; i < 1000; ++i)
            text += "line " + std::to_string(i) + "\r\n";
        win::SetWindowTextA(memo->Handle(), text.c_str());
        auto* skinner = new skin::TSkinScrollbar(memo);
        skinner->AttachToControl(memo, skin::SkinnerContext{&skin, false, nullptr, nullptr});
        display.Pump();
        win::WPARAM code = win::SB_LINEDOWN;
        int scrolled = 0;
        for (auto _ : state) {
            win::SendMessageA(memo->Handle(), win::WM_VSCROLL, code, 0);
            win::UpdateWindow(form->Handle());
            // Back and forth, so every step really moves the memo.
            if (++scrolled % 500 == 0)
                code = code == win::SB_LINEDOWN ? win::SB_LINEUP : win::SB_LINEDOWN;
        }
    }
    tk::FinalizeToolkit();
}
BENCHMARK(BM_ScrollSkinnedMemoOneLine)->Unit(benchmark::kMicrosecond);

} // namespace
