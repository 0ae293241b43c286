#include "Pictures.h"
#include "StrokeFont.h"

namespace bankpics {

namespace {

constexpr Color kDesk{226, 228, 231};
constexpr Color kBody{38, 40, 46};
constexpr Color kBezel{92, 96, 104};
constexpr Color kGlass{12, 12, 14};
constexpr Color kRedLit{255, 48, 40};
constexpr Color kRedDim{52, 16, 16};
constexpr Color kGreenLit{70, 235, 110};
constexpr Color kGreenDim{16, 44, 24};
constexpr Color kLabel{225, 228, 232};
constexpr Color kButton{160, 164, 172};
constexpr Color kLead{150, 152, 156};

void Window(Canvas& c, float x0, float y0, float x1, float y1) {
    c.RoundRect(x0 - 2, y0 - 2, x1 + 2, y1 + 2, 4, kBezel);
    c.RoundRect(x0, y0, x1, y1, 3, kGlass);
}

} // namespace

void DrawTaximeter(Canvas& c) {
    c.RoundRect(0, 0, 240, 150, 0, kDesk);
    c.RoundRect(4, 10, 236, 144, 14, Color{150, 152, 158});
    c.RoundRect(6, 12, 234, 142, 12, kBody);

    // Fare, the largest display.
    Window(c, 16, 22, 166, 68);
    DrawText(c, U"¥", {22, 34}, 20, 3, kRedLit, 0);
    DrawSegments(c, U"23.50", {50, 29}, 32, kRedLit, kRedDim);

    // Distance travelled and waiting time.
    Window(c, 16, 80, 84, 128);
    DrawSegments(c, U" 8.6", {18, 86}, 22, kGreenLit, kGreenDim);
    DrawText(c, U"km", {63, 114}, 10, 1.8f, kLabel, 1.5f);

    Window(c, 92, 80, 166, 128);
    DrawSegments(c, U"03:25", {95, 87}, 20, kGreenLit, kGreenDim);
    c.Ring({157, 119}, 5, 1.6f, kLabel); // clock: waiting time
    c.Line({157, 119}, {157, 116}, 1.4f, kLabel);
    c.Line({157, 119}, {159.5f, 120.5f}, 1.4f, kLabel);

    // Keys: hire, stop and print.
    for (float y : {38.0f, 70.0f, 102.0f}) {
        c.Circle({192, y}, 11, Color{20, 20, 24});
        c.Circle({192, y}, 9.5f, kButton);
    }
    c.Line({188, 34}, {196, 42}, 2, kBody);
    c.Line({188, 42}, {196, 34}, 2, kBody);
    c.RoundRect(187, 66, 197, 74, 1, kBody);
    c.RoundFrame(186, 97, 198, 107, 1, 2, kBody);

    // The lead seal on its wire through the case screw: it shows the case has not been opened since
    // verification.
    c.Circle({219, 104}, 4.5f, Color{20, 20, 24});
    c.Circle({219, 104}, 3.5f, kButton);
    c.Line({217, 104}, {221, 104}, 1.2f, kBody);
    c.Polyline({{218, 104}, {215, 114}, {216, 121}}, 1.2f, kLead);
    c.Polyline({{220, 104}, {223, 114}, {222, 121}}, 1.2f, kLead);
    c.Circle({219, 127}, 8, kLead);
    c.Ring({219, 127}, 5, 1.4f, Color{105, 107, 112});
    c.Circle({219, 127}, 1.6f, Color{105, 107, 112});
}

} // namespace bankpics
