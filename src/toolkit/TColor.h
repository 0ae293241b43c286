// The toolkit's colour values: 0x00BBGGRR for plain colours; the top bit set names a system colour whose
// index (the platform's COLOR_* number) is in the low byte.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tk {

using TColor = std::uint32_t;

constexpr TColor kSystemColourFlag = 0x80000000u;
constexpr TColor SystemColour(int index) {
    return kSystemColourFlag | static_cast<TColor>(index);
}
constexpr bool IsSystemColour(TColor c) {
    return (c & kSystemColourFlag) != 0;
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clScrollBar = SystemColour(0);
constexpr TColor clBackground = SystemColour(1);
constexpr TColor clActiveCaption = SystemColour(2);
constexpr TColor clInactiveCaption = SystemColour(3);
constexpr TColor clMenu = SystemColour(4);
constexpr TColor clWindow = SystemColour(5);
constexpr TColor clWindowFrame = SystemColour(6);
constexpr TColor clMenuText = SystemColour(7);
constexpr TColor clWindowText = SystemColour(8);
constexpr TColor clCaptionText = SystemColour(9);
constexpr TColor clActiveBorder = SystemColour(10);
constexpr TColor clInactiveBorder = SystemColour(11);
constexpr TColor clAppWorkSpace = SystemColour(12);
constexpr TColor clHighlight = SystemColour(13);
constexpr TColor clHighlightText = SystemColour(14);
constexpr TColor clBtnFace = SystemColour(15);
constexpr TColor clBtnShadow = SystemColour(16);
constexpr TColor clGrayText = SystemColour(17);
constexpr TColor clBtnText = SystemColour(18);
constexpr TColor clInactiveCaptionText = SystemColour(19);
constexpr TColor clBtnHighlight = SystemColour(20);
constexpr TColor cl3DDkShadow = SystemColour(21);
constexpr TColor cl3DLight = SystemColour(22);
constexpr TColor clInfoText = SystemColour(23);
constexpr TColor clInfoBk = SystemColour(24);
constexpr TColor clHotLight = SystemColour(26);
constexpr TColor clGradientActiveCaption = SystemColour(27);
constexpr TColor clGradientInactiveCaption = SystemColour(28);
constexpr TColor clMenuHighlight = SystemColour(29);
constexpr TColor clMenuBar = SystemColour(30);

// Colour names as layout files write them ("clRed", "clBtnFace"); case-insensitive.
std::optional<TColor> ColourFromName(std::string_view name);
// The name of a named colour, or empty.
std::string ColourName(TColor colour);

} // namespace tk
