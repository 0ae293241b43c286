#include "Pictures.h"
#include "StrokeFont.h"

namespace bankpics {

namespace {

// Red for warnings that call for stopping, amber for faults that call for a check.
constexpr Color kRed{236, 40, 34};
constexpr Color kAmber{255, 170, 0};
constexpr Color kPanel{24, 26, 30};
constexpr Color kPage{236, 236, 236};

void panel(Canvas& c) {
    c.roundRect(0, 0, 120, 120, 16, kPage);
    c.roundRect(3, 3, 117, 117, 14, Color{70, 72, 78});
    c.roundRect(5, 5, 115, 115, 12, kPanel);
}

// The brake and ABS symbols: a circle between two bracket arcs.
void bracketedCircle(Canvas& c, Color col, float r) {
    c.ring({60, 60}, r, 6, col);
    c.polyline(arc({60, 60}, r + 12, r + 12, 135, 225, 16), 6, col);
    c.polyline(arc({60, 60}, r + 12, r + 12, -45, 45, 16), 6, col);
}

} // namespace

void drawOilPressure(Canvas& c) {
    panel(c);
    c.polygon({{32, 58}, {66, 58}, {76, 54}, {99, 47}, {101, 51}, {80, 64}, {78, 80}, {32, 80}}, kRed, 1.5f);
    c.polyline({{32, 61}, {20, 55}, {20, 68}, {32, 76}}, 5, kRed); // handle
    c.line({47, 52}, {47, 58}, 6, kRed);                           // filler neck
    c.line({40, 50}, {54, 50}, 5, kRed);                           // cap
    c.circle({102, 70}, 4.5f, kRed);                               // the drop
    c.polygon({{102, 59}, {97.8f, 68.5f}, {106.2f, 68.5f}}, kRed);
}

void drawCoolantTemp(Canvas& c) {
    panel(c);
    c.line({60, 22}, {60, 68}, 9, kRed);
    c.circle({60, 74}, 10, kRed);
    for (float y : {30.0f, 42.0f, 54.0f})
        c.line({64, y}, {76, y}, 4, kRed);
    for (float y : {88.0f, 98.0f}) {
        std::vector<Pt> wave;
        for (int i = 0; i <= 48; ++i) {
            float x = 26 + i * (68.0f / 48);
            wave.push_back({x, y + 2.5f * std::sin((x - 26) * 0.37f)});
        }
        c.polyline(wave, 4, kRed);
    }
}

void drawCharging(Canvas& c) {
    panel(c);
    c.roundRect(36, 34, 50, 44, 2, kRed); // terminals
    c.roundRect(70, 34, 84, 44, 2, kRed);
    c.roundFrame(24, 42, 96, 88, 5, 6, kRed);
    c.line({37, 64}, {51, 64}, 5, kRed); // minus
    c.line({69, 64}, {83, 64}, 5, kRed); // plus
    c.line({76, 57}, {76, 71}, 5, kRed);
}

void drawBrake(Canvas& c) {
    panel(c);
    bracketedCircle(c, kRed, 27);
    c.polygon({{56, 43}, {64, 43}, {62, 65}, {58, 65}}, kRed, 1);
    c.circle({60, 74}, 4.5f, kRed);
}

void drawAbs(Canvas& c) {
    panel(c);
    bracketedCircle(c, kAmber, 30);
    const float h = 17, gap = 2.5f;
    float w = textWidth(U"ABS", h, gap);
    drawText(c, U"ABS", {60 - w / 2, 60 - h / 2}, h, 3.6f, kAmber, gap);
}

void drawEngine(Canvas& c) {
    panel(c);
    c.polyline({{40, 46},
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
    c.line({40, 65}, {28, 65}, 5, kAmber); // mount
    c.line({26, 54}, {26, 76}, 5, kAmber);
    c.line({60, 36}, {60, 46}, 5, kAmber); // filler
    c.line({49, 35}, {71, 35}, 5, kAmber);
}

void drawSeatbelt(Canvas& c) {
    panel(c);
    c.circle({55, 27}, 9, kRed);
    c.line({56, 44}, {62, 70}, 15, kRed);  // torso
    c.line({62, 76}, {40, 80}, 13, kRed);  // thigh
    c.line({38, 80}, {36, 101}, 11, kRed); // shin
    c.polyline({{54, 48}, {47, 62}, {38, 60}}, 6, kRed);
    c.line({80, 30}, {82, 86}, 5, kRed);   // seat back
    c.line({82, 88}, {58, 92}, 5, kRed);   // seat
    c.line({49, 41}, {69, 71}, 6, kPanel); // belt strap, cut into the body
    c.line({50, 43}, {68, 70}, 2.5f, kRed);
    c.circle({70, 74}, 5, kPanel);
    c.ring({70, 74}, 4, 3, kRed); // buckle
}

void drawFuelLow(Canvas& c) {
    panel(c);
    c.roundRect(30, 28, 70, 94, 4, kAmber);
    c.roundRect(37, 36, 63, 54, 2, kPanel); // gauge window
    c.roundRect(24, 92, 76, 100, 2, kAmber);
    c.polyline({{70, 44}, {80, 44}, {88, 53}, {88, 78}, {84, 82}, {80, 78}, {80, 64}, {70, 64}}, 5, kAmber);
    c.line({88, 50}, {95, 42}, 5, kAmber); // nozzle holder
}

} // namespace bankpics
