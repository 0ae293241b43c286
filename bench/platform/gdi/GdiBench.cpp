// Blit throughput against a plain memcpy of the same bytes, DrawText of a Chinese line, bitmap to region.
// Pixel rates are reported as items per second (one item = one destination pixel).
#include "platform/gdi/GdiInternal.h"
#include "platform/gdi/WinGdi.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

using namespace win;

namespace {

constexpr int kW = 640, kH = 480;

struct Dc {
    HDC dc;
    HBITMAP bm;
    HGDIOBJ old;
    Dc(int w, int h) {
        dc = CreateCompatibleDC(nullptr);
        bm = CreateBitmap(w, h, 1, 32, nullptr);
        old = SelectObject(dc, bm);
        auto s = gdi::SurfaceOfBitmap(bm);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                s->Row(y)[x] = ((x * 7) & 0xFF) << 16 | ((y * 3) & 0xFF) << 8 | ((x ^ y) & 0xFF);
        // Some magenta for the colour-key blits.
        RECT key{w / 4, h / 4, w / 2, h / 2};
        HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
        FillRect(dc, &key, magenta);
        DeleteObject(magenta);
    }
    ~Dc() {
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bm);
    }
};

void BM_Memcpy(benchmark::State& state) {
    std::vector<std::uint32_t> a(std::size_t(kW) * kH, 1), b(std::size_t(kW) * kH);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), a.size() * 4);
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kW * kH);
}
BENCHMARK(BM_Memcpy);

void BM_BitBlt(benchmark::State& state) {
    Dc src(kW, kH), dst(kW, kH);
    const DWORD rop = static_cast<DWORD>(state.range(0));
    for (auto _ : state)
        BitBlt(dst.dc, 0, 0, kW, kH, src.dc, 0, 0, rop);
    state.SetItemsProcessed(state.iterations() * kW * kH);
}
BENCHMARK(BM_BitBlt)->Arg(SRCCOPY)->Arg(SRCAND)->Arg(SRCINVERT);

void BM_StretchBlt(benchmark::State& state) {
    Dc src(kW / 2, kH / 2), dst(kW, kH);
    SetStretchBltMode(dst.dc, static_cast<int>(state.range(0)));
    for (auto _ : state)
        StretchBlt(dst.dc, 0, 0, kW, kH, src.dc, 0, 0, kW / 2, kH / 2, SRCCOPY);
    state.SetItemsProcessed(state.iterations() * kW * kH);
}
BENCHMARK(BM_StretchBlt)->Arg(COLORONCOLOR)->Arg(HALFTONE);

void BM_TransparentBlt(benchmark::State& state) {
    const bool stretch = state.range(0) != 0;
    Dc src(stretch ? kW / 2 : kW, stretch ? kH / 2 : kH), dst(kW, kH);
    const int sw = stretch ? kW / 2 : kW, sh = stretch ? kH / 2 : kH;
    for (auto _ : state)
        TransparentBlt(dst.dc, 0, 0, kW, kH, src.dc, 0, 0, sw, sh, RGB(255, 0, 255));
    state.SetItemsProcessed(state.iterations() * kW * kH);
}
BENCHMARK(BM_TransparentBlt)->Arg(0)->Arg(1);

void BM_DrawTextChineseLine(benchmark::State& state) {
    Dc dst(800, 20);
    HFONT font = CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    HGDIOBJ old = SelectObject(dst.dc, font);
    SetBkMode(dst.dc, TRANSPARENT);
    // 60 characters.
    const char* text = "出租汽车驾驶员在营运过程中应当遵守道路交通安全法律法规，文明驾驶，"
                       "礼貌待客，按照规定使用计价器，不得拒载、绕道或者甩客。";
    RECT r{0, 0, 800, 20};
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawText(dst.dc, text, -1, &r, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER));
    SelectObject(dst.dc, old);
    DeleteObject(font);
}
BENCHMARK(BM_DrawTextChineseLine);

void BM_BitmapToRegion(benchmark::State& state) {
    // A caption-border image: magenta corners cut with rounded steps, a transparent band, opaque rest.
    const int w = 367, h = 58;
    HBITMAP bm = CreateBitmap(w, h, 1, 32, nullptr);
    auto s = gdi::SurfaceOfBitmap(bm);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool corner = (x + y < 6) || ((w - 1 - x) + y < 6);
            const bool band = y >= 30 && y < 35 && (x % 7) < 3;
            s->Row(y)[x] = corner || band ? 0xFF00FF : 0x4080C0 + (x & 15);
        }
    for (auto _ : state) {
        HRGN r = BitmapToRegion(bm, RGB(255, 0, 255));
        benchmark::DoNotOptimize(r);
        DeleteObject(r);
    }
    state.SetItemsProcessed(state.iterations() * w * h);
    DeleteObject(bm);
}
BENCHMARK(BM_BitmapToRegion);

} // namespace
