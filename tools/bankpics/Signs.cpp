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
void Rim(Canvas& c) {
    c.Circle(kMid, kRadius + 3.5f, kEdge);
    c.Circle(kMid, kRadius + 2.5f, kWhite);
}

void ProhibitionRing(Canvas& c) {
    c.Ring(kMid, kRadius - kRingWidth / 2, kRingWidth, kRed);
}

// Prohibition slashes run from the upper left to the lower right at 45 degrees.
void Slash(Canvas& c) {
    float d = (kInner + 1) * 0.7071f;
    c.Line({kMid.x - d, kMid.y - d}, {kMid.x + d, kMid.y + d}, kBarWidth, kRed);
}

} // namespace

void DrawSpeedLimit40(Canvas& c) {
    Rim(c);
    ProhibitionRing(c);
    const float h = 42, stroke = 7.5f, gap = 5;
    float w = TextWidth(U"40", h, gap);
    DrawText(c, U"40", {kMid.x - w / 2, kMid.y - h / 2}, h, stroke, kBlack, gap);
}

void DrawNoHonking(Canvas& c) {
    Rim(c);
    c.RoundRect(27, 54, 37, 66, 2, kBlack);                            // mouthpiece
    c.Line({36, 60}, {52, 60}, 6, kBlack);                             // pipe
    c.Polygon({{51, 57}, {83, 41}, {83, 79}, {51, 63}}, kBlack, 0.5f); // bell
    c.RoundRect(82, 38, 89, 82, 2, kBlack);                            // bell rim
    Slash(c);
    ProhibitionRing(c);
}

void DrawNoParking(Canvas& c) {
    Rim(c);
    c.Circle(kMid, kInner + 1, kBlue);
    float d = (kInner + 1) * 0.7071f;
    c.Line({kMid.x - d, kMid.y - d}, {kMid.x + d, kMid.y + d}, kBarWidth, kRed);
    c.Line({kMid.x - d, kMid.y + d}, {kMid.x + d, kMid.y - d}, kBarWidth, kRed);
    ProhibitionRing(c);
}

void DrawNoEntry(Canvas& c) {
    Rim(c);
    c.Circle(kMid, kRadius, kRed);
    c.RoundRect(kMid.x - 39, kMid.y - 9, kMid.x + 39, kMid.y + 9, 1, kWhite);
}

void DrawNoUTurn(Canvas& c) {
    Rim(c);
    std::vector<Pt> path{{73, 90}, {73, 56}};
    std::vector<Pt> bend = Arc({57, 56}, 16, 16, 0, 180, 20);
    path.insert(path.end(), bend.begin(), bend.end());
    path.push_back({41, 66});
    c.Polyline(path, 9, kBlack);
    c.Polygon({{30, 64}, {52, 64}, {41, 82}}, kBlack, 0.5f); // the arrow head points back down
    Slash(c);
    ProhibitionRing(c);
}

void DrawPedestrianCrossing(Canvas& c) {
    c.RoundRect(4, 4, 116, 116, 9, kEdge);
    c.RoundRect(5, 5, 115, 115, 8, kBlue);
    c.RoundFrame(9, 9, 111, 111, 5, 2, kWhite);
    c.Polygon({{60, 17}, {18, 100}, {102, 100}}, kWhite, 2);
    // Zebra stripes under the walker's feet.
    for (float x = 29; x < 92; x += 11)
        c.Polygon({{x + 3, 89}, {x + 9, 89}, {x + 6, 97}, {x, 97}}, kBlack);
    c.Circle({63, 40}, 6, kBlack);
    c.Line({61, 50}, {57, 67}, 8, kBlack);                    // body
    c.Polyline({{57, 67}, {51, 76}, {47, 86}}, 5.5f, kBlack); // back leg
    c.Polyline({{57, 67}, {64, 76}, {70, 85}}, 5.5f, kBlack); // front leg
    c.Polyline({{60, 53}, {54, 61}, {50, 68}}, 4.5f, kBlack);
    c.Polyline({{60, 53}, {66, 60}, {72, 63}}, 4.5f, kBlack);
}

void DrawChildren(Canvas& c) {
    const std::vector<Pt> tri{{60, 11}, {6, 104}, {114, 104}};
    c.Polygon(tri, kEdge, 5);
    c.Polygon(tri, kWhite, 4);
    c.Polygon(tri, kBlack, 2.5f);
    const std::vector<Pt> inner{{60, 27}, {20, 96}, {100, 96}};
    c.Polygon(inner, kYellow, 1);
    // An older child leading a younger one by the hand.
    c.Circle({49, 50}, 6, kBlack);
    c.Line({49, 59}, {47, 75}, 9, kBlack);
    c.Polyline({{47, 75}, {43, 83}, {40, 91}}, 5.5f, kBlack);
    c.Polyline({{47, 75}, {52, 83}, {56, 91}}, 5.5f, kBlack);
    c.Polyline({{48, 62}, {42, 70}}, 4.5f, kBlack);
    c.Polyline({{50, 62}, {58, 69}, {64, 70}}, 4.5f, kBlack);
    c.Circle({71, 61}, 5, kBlack);
    c.Line({71, 69}, {70, 80}, 8, kBlack);
    c.Polyline({{70, 80}, {67, 86}, {64, 91}}, 5, kBlack);
    c.Polyline({{70, 80}, {74, 86}, {77, 91}}, 5, kBlack);
    c.Polyline({{70, 71}, {64, 70}}, 4, kBlack);
    c.Polyline({{72, 71}, {77, 78}}, 4, kBlack);
}

} // namespace bankpics
