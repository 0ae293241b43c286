// A skin for the common-control skinners whose every element frame is one plain colour of its own, so that a
// pixel tells which element and which frame was drawn there, and a form to put the controls on.
#pragma once

#include "SkinnedControls.h"

#include "platform/win.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace skinner_tests {

// Frame k (from 1) of the element whose colours start at `base`.
constexpr std::uint32_t FrameColour(std::uint32_t base, int k) {
    return base + static_cast<std::uint32_t>(k) * 0x10;
}

constexpr std::uint32_t kBar = 0x200000;
constexpr std::uint32_t kChunk = 0x400000;
constexpr std::uint32_t kTab = 0x600000;
constexpr std::uint32_t kPane = 0x800000;
constexpr std::uint32_t kStatus = 0xA00000;
constexpr std::uint32_t kHeader = 0xC00000;
constexpr std::uint32_t kSpin = 0x206000;
constexpr std::uint32_t kSpinGlyph = 0x20A000;
constexpr std::uint32_t kThumb = 0x40C000;
constexpr std::uint32_t kTrack = 0x60E000;

// Every element of the common controls, each a strip of `frames` plain frames, no margins; `withImages`
// false leaves them all out.
inline skintest::Bytes CommonControlsPackage(bool withImages = true) {
    std::string ini = "[Colours]\r\nButtonFace=200 220 240\r\nButtonShadow=80 128 188\r\n";
    std::vector<std::pair<std::string, skintest::Bytes>> images;
    if (!withImages)
        return skintest::Package(ini, images);
    const auto strip = [](std::uint32_t base, int frames, int width, int height) {
        return skintest::Bmp24(width * frames, height,
                               [=](int x, int) { return FrameColour(base, x / width + 1); });
    };
    ini += "[Progress]\r\nBitmap=p.bmp\r\nStyle=1\r\n"
           "[Progress.Chunk]\r\nImage=pc.bmp\r\n"
           "[Tabs]\r\nImage=t.bmp\r\n"
           "[Tab.Pane]\r\nImage=tp.bmp\r\n"
           "[StatusBarEdges]\r\nImage=s.bmp\r\n"
           "[Headerbar]\r\nImage=h.bmp\r\nFrame=4\r\n"
           "[UpDown.Vert]\r\nImage=u.bmp\r\nGlyphImage=ug.bmp\r\n"
           "[Trackbar.ThumbHorz]\r\nImage=th.bmp\r\n"
           "[Track]\r\nImage=tr.bmp\r\n";
    images.push_back({"p.bmp", strip(kBar, 1, 9, 19)});
    images.push_back({"pc.bmp", strip(kChunk, 1, 10, 12)});
    images.push_back({"t.bmp", strip(kTab, 5, 25, 19)});
    images.push_back({"tp.bmp", strip(kPane, 1, 48, 48)});
    images.push_back({"s.bmp", strip(kStatus, 3, 20, 24)});
    images.push_back({"h.bmp", strip(kHeader, 4, 18, 18)});
    images.push_back({"u.bmp", strip(kSpin, 8, 15, 16)});
    images.push_back({"ug.bmp", strip(kSpinGlyph, 8, 4, 4)});
    images.push_back({"th.bmp", strip(kThumb, 5, 11, 21)});
    images.push_back({"tr.bmp", strip(kTrack, 1, 8, 8)});
    return skintest::Package(ini, images);
}

class CommonControlsSkin : public SkinnedControls {
protected:
    win::HWND MakeNative(const char* className, win::DWORD style, int x, int y, int width, int height) {
        const win::HWND hwnd =
            win::CreateWindowExA(0, className, "", win::WS_CHILD | win::WS_VISIBLE | style, x, y, width,
                                 height, m_form->Handle(), nullptr, nullptr, nullptr);
        Settle();
        return hwnd;
    }
    void Redraw(win::HWND hwnd) {
        win::InvalidateRect(hwnd, nullptr, win::TRUE);
        Settle();
        win::UpdateWindow(hwnd);
    }
    void MoveToWindow(win::HWND hwnd, int x, int y) {
        win::POINT p{x, y};
        win::ClientToScreen(hwnd, &p);
        m_display->MouseMove(p.x, p.y);
        Settle();
    }
};

} // namespace skinner_tests
