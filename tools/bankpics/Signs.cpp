#include "Pictures.h"
#include "StrokeFont.h"

namespace bankpics {

namespace {

constexpr Color kWhite{255, 255, 255};
constexpr Color kBlack{20, 20, 20};
constexpr Color kRed{214, 28, 36};
constexpr Color kBlue{0, 78, 162};
constexpr Color kYellow{250, 200, 0};
constexpr Color kEdge{178, 178, 178};

constexpr Pt kMid{60, 60};
constexpr float kRadius = 55;     // outer edge of the red ring
constexpr float kRingWidth = 11;  // about a tenth of the diameter
constexpr float kBarWidth = 8.5f; // the prohibiting slash
constexpr float kInner = kRadius - kRingWidth;

// The white rim every sign carries, with a faint edge so a white sign stands out from a white page.
void rim(Canvas& c) {
    c.circle(kMid, kRadius + 3.5f, kEdge);
    c.circle(kMid, kRadius + 2.5f, kWhite);
}

void prohibitionRing(Canvas& c) {
    c.ring(kMid, kRadius - kRingWidth / 2, kRingWidth, kRed);
}

// Prohibition slashes run from the upper left to the lower right at 45 degrees.
void slash(Canvas& c) {
    float d = (kInner + 1) * 0.7071f;
    c.line({kMid.x - d, kMid.y - d}, {kMid.x + d, kMid.y + d}, kBarWidth, kRed);
}

} // namespace

void drawSpeedLimit40(Canvas& c) {
    rim(c);
    prohibitionRing(c);
    const float h = 42, stroke = 7.5f, gap = 5;
    float w = textWidth(U"40", h, gap);
    drawText(c, U"40", {kMid.x - w / 2, kMid.y - h / 2}, h, stroke, kBlack, gap);
}

void drawNoHonking(Canvas& c) {
    rim(c);
    c.roundRect(27, 54, 37, 66, 2, kBlack);                            // mouthpiece
    c.line({36, 60}, {52, 60}, 6, kBlack);                             // pipe
    c.polygon({{51, 57}, {83, 41}, {83, 79}, {51, 63}}, kBlack, 0.5f); // bell
    c.roundRect(82, 38, 89, 82, 2, kBlack);                            // bell rim
    slash(c);
    prohibitionRing(c);
}

void drawNoParking(Canvas& c) {
    rim(c);
    c.circle(kMid, kInner + 1, kBlue);
    float d = (kInner + 1) * 0.7071f;
    c.line({kMid.x - d, kMid.y - d}, {kMid.x + d, kMid.y + d}, kBarWidth, kRed);
    c.line({kMid.x - d, kMid.y + d}, {kMid.x + d, kMid.y - d}, kBarWidth, kRed);
    prohibitionRing(c);
}

void drawNoEntry(Canvas& c) {
    rim(c);
    c.circle(kMid, kRadius, kRed);
    c.roundRect(kMid.x - 39, kMid.y - 9, kMid.x + 39, kMid.y + 9, 1, kWhite);
}

void drawNoUTurn(Canvas& c) {
    rim(c);
    std::vector<Pt> path{{73, 90}, {73, 56}};
    std::vector<Pt> bend = arc({57, 56}, 16, 16, 0, 180, 20);
    path.insert(path.end(), bend.begin(), bend.end());
    path.push_back({41, 66});
    c.polyline(path, 9, kBlack);
    c.polygon({{30, 64}, {52, 64}, {41, 82}}, kBlack, 0.5f); // the arrow head points back down
    slash(c);
    prohibitionRing(c);
}

void drawPedestrianCrossing(Canvas& c) {
    c.roundRect(4, 4, 116, 116, 9, kEdge);
    c.roundRect(5, 5, 115, 115, 8, kBlue);
    c.roundFrame(9, 9, 111, 111, 5, 2, kWhite);
    c.polygon({{60, 17}, {18, 100}, {102, 100}}, kWhite, 2);
    // Zebra stripes under the walker's feet.
    for (float x = 29; x < 92; x += 11)
        c.polygon({{x + 3, 89}, {x + 9, 89}, {x + 6, 97}, {x, 97}}, kBlack);
    c.circle({63, 40}, 6, kBlack);
    c.line({61, 50}, {57, 67}, 8, kBlack);                    // body
    c.polyline({{57, 67}, {51, 76}, {47, 86}}, 5.5f, kBlack); // back leg
    c.polyline({{57, 67}, {64, 76}, {70, 85}}, 5.5f, kBlack); // front leg
    c.polyline({{60, 53}, {54, 61}, {50, 68}}, 4.5f, kBlack);
    c.polyline({{60, 53}, {66, 60}, {72, 63}}, 4.5f, kBlack);
}

void drawChildren(Canvas& c) {
    const std::vector<Pt> tri{{60, 11}, {6, 104}, {114, 104}};
    c.polygon(tri, kEdge, 5);
    c.polygon(tri, kWhite, 4);
    c.polygon(tri, kBlack, 2.5f);
    const std::vector<Pt> inner{{60, 27}, {20, 96}, {100, 96}};
    c.polygon(inner, kYellow, 1);
    // An older child leading a younger one by the hand.
    c.circle({49, 50}, 6, kBlack);
    c.line({49, 59}, {47, 75}, 9, kBlack);
    c.polyline({{47, 75}, {43, 83}, {40, 91}}, 5.5f, kBlack);
    c.polyline({{47, 75}, {52, 83}, {56, 91}}, 5.5f, kBlack);
    c.polyline({{48, 62}, {42, 70}}, 4.5f, kBlack);
    c.polyline({{50, 62}, {58, 69}, {64, 70}}, 4.5f, kBlack);
    c.circle({71, 61}, 5, kBlack);
    c.line({71, 69}, {70, 80}, 8, kBlack);
    c.polyline({{70, 80}, {67, 86}, {64, 91}}, 5, kBlack);
    c.polyline({{70, 80}, {74, 86}, {77, 91}}, 5, kBlack);
    c.polyline({{70, 71}, {64, 70}}, 4, kBlack);
    c.polyline({{72, 71}, {77, 78}}, 4, kBlack);
}

} // namespace bankpics
