#include "Pictures.h"
#include "StrokeFont.h"

namespace bankpics {

namespace {

// Red for warnings that call for stopping, amber for faults that call for a check.
constexpr Color kRed{236, 40, 34};
constexpr Color kAmber{255, 170, 0};
constexpr Color kPanel{24, 26, 30};
constexpr Color kPage{236, 236, 236};

void Panel(Canvas& c) {
    c.RoundRect(0, 0, 120, 120, 16, kPage);
    c.RoundRect(3, 3, 117, 117, 14, Color{70, 72, 78});
    c.RoundRect(5, 5, 115, 115, 12, kPanel);
}

// The brake and ABS symbols: a circle between two bracket arcs.
void BracketedCircle(Canvas& c, Color col, float r) {
    c.Ring({60, 60}, r, 6, col);
    c.Polyline(Arc({60, 60}, r + 12, r + 12, 135, 225, 16), 6, col);
    c.Polyline(Arc({60, 60}, r + 12, r + 12, -45, 45, 16), 6, col);
}

} // namespace

void DrawOilPressure(Canvas& c) {
    Panel(c);
    c.Polygon({{32, 58}, {66, 58}, {76, 54}, {99, 47}, {101, 51}, {80, 64}, {78, 80}, {32, 80}}, kRed, 1.5f);
    c.Polyline({{32, 61}, {20, 55}, {20, 68}, {32, 76}}, 5, kRed); // handle
    c.Line({47, 52}, {47, 58}, 6, kRed);                           // filler neck
    c.Line({40, 50}, {54, 50}, 5, kRed);                           // cap
    c.Circle({102, 70}, 4.5f, kRed);                               // the drop
    c.Polygon({{102, 59}, {97.8f, 68.5f}, {106.2f, 68.5f}}, kRed);
}

void DrawCoolantTemp(Canvas& c) {
    Panel(c);
    c.Line({60, 22}, {60, 68}, 9, kRed);
    c.Circle({60, 74}, 10, kRed);
    for (float y : {30.0f, 42.0f, 54.0f})
        c.Line({64, y}, {76, y}, 4, kRed);
    for (float y : {88.0f, 98.0f}) {
        std::vector<Pt> wave;
        for (int i = 0; i <= 48; ++i) {
            float x = 26 + i * (68.0f / 48);
            wave.push_back({x, y + 2.5f * std::sin((x - 26) * 0.37f)});
        }
        c.Polyline(wave, 4, kRed);
    }
}

void DrawCharging(Canvas& c) {
    Panel(c);
    c.RoundRect(36, 34, 50, 44, 2, kRed); // terminals
    c.RoundRect(70, 34, 84, 44, 2, kRed);
    c.RoundFrame(24, 42, 96, 88, 5, 6, kRed);
    c.Line({37, 64}, {51, 64}, 5, kRed); // minus
    c.Line({69, 64}, {83, 64}, 5, kRed); // plus
    c.Line({76, 57}, {76, 71}, 5, kRed);
}

void DrawBrake(Canvas& c) {
    Panel(c);
    BracketedCircle(c, kRed, 27);
    c.Polygon({{56, 43}, {64, 43}, {62, 65}, {58, 65}}, kRed, 1);
    c.Circle({60, 74}, 4.5f, kRed);
}

void DrawAbs(Canvas& c) {
    Panel(c);
    BracketedCircle(c, kAmber, 30);
    const float h = 17, gap = 2.5f;
    float w = TextWidth(U"ABS", h, gap);
    DrawText(c, U"ABS", {60 - w / 2, 60 - h / 2}, h, 3.6f, kAmber, gap);
}

void DrawEngine(Canvas& c) {
    Panel(c);
    c.Polyline({{40, 46},
                {78, 46},
                {84, 54},
                {92, 54},
                {92, 44},
                {100, 44},
                {100, 84},
                {92, 84},
                {92, 74},
                {84, 74},
                {76, 84},
                {48, 84},
                {40, 76}},
               5, kAmber, true);
    c.Line({40, 65}, {28, 65}, 5, kAmber); // mount
    c.Line({26, 54}, {26, 76}, 5, kAmber);
    c.Line({60, 36}, {60, 46}, 5, kAmber); // filler
    c.Line({49, 35}, {71, 35}, 5, kAmber);
}

void DrawSeatbelt(Canvas& c) {
    Panel(c);
    c.Circle({55, 27}, 9, kRed);
    c.Line({56, 44}, {62, 70}, 15, kRed);  // torso
    c.Line({62, 76}, {40, 80}, 13, kRed);  // thigh
    c.Line({38, 80}, {36, 101}, 11, kRed); // shin
    c.Polyline({{54, 48}, {47, 62}, {38, 60}}, 6, kRed);
    c.Line({80, 30}, {82, 86}, 5, kRed);   // seat back
    c.Line({82, 88}, {58, 92}, 5, kRed);   // seat
    c.Line({49, 41}, {69, 71}, 6, kPanel); // belt strap, cut into the body
    c.Line({50, 43}, {68, 70}, 2.5f, kRed);
    c.Circle({70, 74}, 5, kPanel);
    c.Ring({70, 74}, 4, 3, kRed); // buckle
}

void DrawFuelLow(Canvas& c) {
    Panel(c);
    c.RoundRect(30, 28, 70, 94, 4, kAmber);
    c.RoundRect(37, 36, 63, 54, 2, kPanel); // gauge window
    c.RoundRect(24, 92, 76, 100, 2, kAmber);
    c.Polyline({{70, 44}, {80, 44}, {88, 53}, {88, 78}, {84, 82}, {80, 78}, {80, 64}, {70, 64}}, 5, kAmber);
    c.Line({88, 50}, {95, 42}, 5, kAmber); // nozzle holder
}

} // namespace bankpics
