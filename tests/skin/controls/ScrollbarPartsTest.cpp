// The arithmetic of skinned scroll bars from tables: the part under each boundary point, a dragged thumb
// held between the arrows, and stand-alone thumbs for every kind of range, hostile ones included.
#include "skin/controls/ScrollbarParts.h"

#include <gtest/gtest.h>

#include <climits>

using namespace skin;

TEST(ScrollbarParts, PartsAlongTheBarMeetAtTheirBoundaries) {
    const ThumbSpan thumb{40, 60};
    const struct {
        int at;
        int part;
    } rows[] = {{-1, sbpNone},        {0, sbpFirstArrow},   {15, sbpFirstArrow},  {16, sbpTrackBefore},
                {39, sbpTrackBefore}, {40, sbpThumb},       {59, sbpThumb},       {60, sbpTrackAfter},
                {83, sbpTrackAfter},  {84, sbpSecondArrow}, {99, sbpSecondArrow}, {100, sbpNone}};
    for (const auto& row : rows)
        EXPECT_EQ(PartAt(row.at, 16, thumb, 100), row.part) << "at " << row.at;
}

TEST(ScrollbarParts, DraggedThumbIsClampedBetweenTheArrows) {
    const ThumbSpan atPress{40, 60};
    EXPECT_EQ(DraggedThumb(atPress, 10, 16, 100).start, 50);
    EXPECT_EQ(DraggedThumb(atPress, 1000, 16, 100).start, 100 - 16 - 20);
    EXPECT_EQ(DraggedThumb(atPress, -1000, 16, 100).start, 16);
    EXPECT_EQ(DraggedThumb(atPress, INT_MAX, 16, 100).Length(), 20);
    EXPECT_EQ(DraggedThumb(atPress, INT_MIN, 16, 100).start, 16);
    // A thumb longer than the track stays at the first arrow rather than crossing it.
    EXPECT_EQ(DraggedThumb({16, 90}, 5, 16, 100).start, 16);
}

TEST(ScrollbarParts, StandaloneThumbs) {
    // Native, with a page: 168 px of track, page 10 of 0..99.
    ThumbSpan t = StandaloneThumb({0, 99, 10, 0}, 16, 200, true);
    EXPECT_EQ(t.start, 16);
    EXPECT_EQ(t.Length(), 15);
    t = StandaloneThumb({0, 99, 10, 90}, 16, 200, true);
    EXPECT_LE(t.end, 200 - 16);
    // Native without a page: an arrow long.
    t = StandaloneThumb({0, 100, 0, 50}, 16, 200, true);
    EXPECT_EQ(t.Length(), 16);
    EXPECT_EQ(t.start, 16 + 76);
    // A tiny page gives the 8-pixel thumb, placed over the track less that thumb.
    t = StandaloneThumb({0, 1000, 2, 1000}, 16, 200, true);
    EXPECT_EQ(t.Length(), 8);
    EXPECT_EQ(t.start, 16 + 160);
    // Minimum equal to maximum: the thumb stays at the start.
    t = StandaloneThumb({5, 5, 0, 5}, 16, 200, true);
    EXPECT_EQ(t.start, 16);
    t = StandaloneThumb({5, 5, 0, 5}, 16, 200, false);
    EXPECT_EQ(t.start, 16);
    // A toolkit bar without a page: an arrow long, over the track less three arrows.
    t = StandaloneThumb({0, 10, 0, 10}, 16, 200, false);
    EXPECT_EQ(t.start, 16 + 152);
}

TEST(ScrollbarParts, HostileRangesKeepTheThumbInsideTheBar) {
    const StandaloneRange rows[] = {{INT_MIN, INT_MAX, INT_MAX, INT_MAX},
                                    {INT_MAX, INT_MIN, 0, 0},
                                    {0, 10, -5, 99},
                                    {0, 10, INT_MAX, -99},
                                    {INT_MIN, INT_MAX, 0, INT_MIN}};
    for (bool native : {true, false})
        for (const StandaloneRange& r : rows) {
            const ThumbSpan t = StandaloneThumb(r, 16, 200, native);
            EXPECT_GE(t.start, 16);
            EXPECT_LE(t.end, 200 - 16);
            EXPECT_GE(t.Length(), 0);
        }
    EXPECT_EQ(StandaloneThumb({0, 10, 2, 5}, 16, 20, true).Length(), 0) << "no room for a track";
}
