#include "Engine/Math/AABB2.hpp"
#include "Tests/Engine/Math/FatalReportTestSupport.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
static_assert(AABB2::ZERO_TO_ONE.maxs.x == 1.f && ALIGN_TOP_CENTER.y == 1.f, "usable as constants");
}  // namespace

TEST(AABB2, UVMappingIsUnclampedBothWays)
{
    AABB2 const box(10.f, 20.f, 30.f, 60.f);
    EXPECT_EQ(box.GetUVForPoint(box.mins), Vec2(0.f, 0.f));
    EXPECT_EQ(box.GetUVForPoint(box.maxs), Vec2(1.f, 1.f));
    EXPECT_EQ(box.GetUVForPoint(Vec2(40.f, 80.f)), Vec2(1.5f, 1.5f));
    EXPECT_EQ(box.GetPointAtUV(Vec2(-0.5f, 0.25f)), Vec2(0.f, 30.f));
    Vec2 const SAMPLE_POINTS[] = {Vec2(12.5f, 21.f), Vec2(-3.f, 100.f), box.GetCenter()};
    for (Vec2 const& point : SAMPLE_POINTS)
    {
        Vec2 const roundTrip = box.GetPointAtUV(box.GetUVForPoint(point));
        EXPECT_NEAR(roundTrip.x, point.x, 1e-4f);
        EXPECT_NEAR(roundTrip.y, point.y, 1e-4f);
    }
    EXPECT_FALSE(std::isfinite(AABB2(5.f, 0.f, 5.f, 1.f).GetUVForPoint(Vec2(6.f, 0.5f)).x));
}

// Edges count as inside; a hair past them does not.
TEST(AABB2, PointInsideIncludesEdges)
{
    AABB2 const box(0.f, 0.f, 10.f, 5.f);
    EXPECT_TRUE(box.IsPointInside(Vec2(10.f, 2.f)));
    EXPECT_TRUE(box.IsPointInside(Vec2(0.f, 0.f)));
    EXPECT_FALSE(box.IsPointInside(Vec2(std::nextafter(10.f, 11.f), 2.f)));
    EXPECT_FALSE(box.IsPointInside(Vec2(3.f, std::nextafter(0.f, -1.f))));
    EXPECT_EQ(box.GetNearestPoint(Vec2(12.f, -3.f)), Vec2(10.f, 0.f));
    EXPECT_EQ(box.GetNearestPoint(Vec2(4.f, 1.f)), Vec2(4.f, 1.f));
}

TEST(AABB2, CornersInTheirOrder)
{
    AABB2 const box(1.f, 2.f, 5.f, 4.f);
    Vec2 corners[4];
    box.GetCornerPoints(corners);
    EXPECT_EQ(corners[0], Vec2(1.f, 2.f));                  // bottom-left
    EXPECT_EQ(corners[1], Vec2(1.f, 4.f));                  // top-left
    EXPECT_EQ(corners[2], Vec2(5.f, 2.f));                  // bottom-right
    EXPECT_EQ(corners[3], Vec2(5.f, 4.f));                  // top-right
    EXPECT_EQ(AABB2(3.f, 3.f, 1.f, 1.f).GetWidth(), -2.f);  // nothing reorders the corners
}

TEST(AABB2, MovingResizingAndStretching)
{
    AABB2 box(0.f, 0.f, 4.f, 2.f);
    box.SetCenter(Vec2(10.f, 10.f));
    EXPECT_EQ(box, AABB2(8.f, 9.f, 12.f, 11.f));
    box.SetDimensions(Vec2(2.f, 6.f));
    EXPECT_EQ(box, AABB2(9.f, 7.f, 11.f, 13.f));
    box.StretchToIncludePoint(Vec2(20.f, 0.f));
    EXPECT_EQ(box, AABB2(9.f, 0.f, 20.f, 13.f));
    EXPECT_EQ(AABB2::MakeFromCenterAndDimensions(4.f, 2.f, Vec2(1.f, 1.f)), AABB2(-1.f, 0.f, 3.f, 2.f));

    AABB2 anchored(0.f, 0.f, 10.f, 10.f);
    anchored.ResizeAtAnchor(Vec2(4.f, 2.f), ALIGN_TOP_RIGHT);
    EXPECT_EQ(anchored, AABB2(6.f, 8.f, 10.f, 10.f));
    anchored.ResizeAtAnchor(Vec2(2.f, 4.f), ALIGN_CENTERED);
    EXPECT_EQ(anchored, AABB2(7.f, 7.f, 9.f, 11.f));
}

TEST(AABB2, FitWithinMovesEdgeByEdge)
{
    AABB2 const BOUNDS(0.f, 0.f, 100.f, 100.f);
    AABB2 poking(-5.f, 95.f, 5.f, 105.f);
    poking.FitWithin(BOUNDS);
    EXPECT_EQ(poking, AABB2(0.f, 90.f, 10.f, 100.f));
    // Too large: the right and top edges are fitted last, so they win.
    AABB2 tooLarge(-50.f, -50.f, 150.f, 150.f);
    tooLarge.FitWithin(BOUNDS);
    EXPECT_EQ(tooLarge, AABB2(-100.f, -100.f, 100.f, 100.f));
}

TEST(AABB2, BoxesWithinAndCarving)
{
    AABB2 const box(0.f, 0.f, 10.f, 20.f);
    EXPECT_EQ(box.GetBoxWithin(Vec2(2.f, 2.f), ALIGN_BOTTOM_LEFT), AABB2(0.f, 0.f, 2.f, 2.f));
    EXPECT_EQ(box.GetBoxWithin(Vec2(2.f, 2.f), ALIGN_TOP_RIGHT), AABB2(8.f, 18.f, 10.f, 20.f));
    EXPECT_EQ(box.GetBoxWithin(Vec2(2.f, 2.f), ALIGN_CENTERED), AABB2(4.f, 9.f, 6.f, 11.f));

    struct Case
    {
        char const* name;
        AABB2 (AABB2::*carve)(float, float);
        float fraction;
        float extra;
        AABB2 expectedStrip;
        AABB2 expectedRest;
    };
    Case const CASES[] = {
        {"bottom", &AABB2::CarveBoxOffBottom, 0.25f, 1.f, {0.f, 0.f, 10.f, 6.f}, {0.f, 6.f, 10.f, 20.f}},
        {"top", &AABB2::CarveBoxOffTop, 0.25f, 1.f, {0.f, 14.f, 10.f, 20.f}, {0.f, 0.f, 10.f, 14.f}},
        {"left", &AABB2::CarveBoxOffLeft, 0.5f, -1.f, {0.f, 0.f, 4.f, 20.f}, {4.f, 0.f, 10.f, 20.f}},
        {"right", &AABB2::CarveBoxOffRight, 0.5f, -1.f, {6.f, 0.f, 10.f, 20.f}, {0.f, 0.f, 6.f, 20.f}},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.name);
        AABB2 rest = box;
        AABB2 const strip = (rest.*testCase.carve)(testCase.fraction, testCase.extra);
        EXPECT_EQ(strip, testCase.expectedStrip) << strip.GetAsString();
        EXPECT_EQ(rest, testCase.expectedRest) << rest.GetAsString();
    }
}

TEST(AABB2, PrintsAndParses)
{
    EXPECT_EQ(AABB2(1.f, 2.f, 3.5f, -4.f).GetAsString(), "(1.00, 2.00, 3.50, -4.00)");
    EXPECT_EQ(AABB2("1, 2,3.5 ,-4"), AABB2(1.f, 2.f, 3.5f, -4.f));
    ExpectFatalReport(RunFatalPath([] { AABB2 parsed("1,2,3"); }),
                      {"ERROR Parsing AABB2", "AABB2::SetFromText", "AABB2.cpp", "splitStrings.size() == 4"});
    ExpectFatalReport(
        RunFatalPath([] { AABB2 parsed("1,2,,4"); }),
        {"ERROR Parsing AABB2: piece \"\" of \"1,2,,4\" holds no number", "AABB2::SetFromText", "AABB2.cpp"});
}
