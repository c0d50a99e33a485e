// The geometric ground the spatial queries stand on: convex pieces and how two of them
// lie, curves turned into polygons, polygons split into convex parts, and the grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "simhost/geometry/ConvexPiece.h"
#include "simhost/geometry/CurveSampler.h"
#include "simhost/geometry/GridIndex.h"
#include "simhost/geometry/PolygonSplitter.h"

namespace simhost::geometry {
namespace {

ConvexPiece square(double left, double bottom, double side) {
    return ConvexPiece::region({{left, bottom},
                                {left + side, bottom},
                                {left + side, bottom + side},
                                {left, bottom + side}});
}

TEST(ConvexPieceTest, DistanceAndPenetrationOfRegionsAndSegments) {
    ConvexPiece a = square(0, 0, 2);
    // Apart diagonally: the corners are 0.3 * sqrt(2) apart, more than either axis shows.
    PieceContact corner = ConvexPiece::contact(a, square(2.3, 2.3, 1), 1);
    EXPECT_NEAR(corner.distance, 0.3 * std::sqrt(2.0), 1e-12);
    EXPECT_EQ(corner.penetration, 0);
    // Overlapping by 0.5 in x: the shortest move apart is 0.5.
    PieceContact overlap = ConvexPiece::contact(a, square(1.5, 0.5, 1), 1);
    EXPECT_EQ(overlap.distance, 0);
    EXPECT_NEAR(overlap.penetration, 0.5, 1e-12);
    // A square inside: moving it out takes the way to the nearer side and its width.
    EXPECT_NEAR(ConvexPiece::contact(a, square(0.2, 0.5, 0.5), 1).penetration, 0.7, 1e-12);
    // A segment whose end dips 0.01 into the square, and one that crosses it.
    PieceContact dip = ConvexPiece::contact(a, ConvexPiece::segment({1, 1.99}, {1, 5}), 1);
    EXPECT_NEAR(dip.penetration, 0.01, 1e-12);
    EXPECT_NEAR(ConvexPiece::contact(a, ConvexPiece::segment({-1, 1}, {3, 1}), 1).penetration, 1,
                1e-12);
    // Crossing segments meet but never overlap; collinear ones apart keep their gap.
    PieceContact cross = ConvexPiece::contact(ConvexPiece::segment({0, 0}, {2, 2}),
                                              ConvexPiece::segment({0, 2}, {2, 0}), 1);
    EXPECT_EQ(cross.distance, 0);
    EXPECT_EQ(cross.penetration, 0);
    EXPECT_NEAR(ConvexPiece::contact(ConvexPiece::segment({0, 0}, {1, 0}),
                                     ConvexPiece::segment({1.2, 0}, {2, 0}), 1)
                    .distance,
                0.2, 1e-12);
    // Beyond the limit only "farther than the limit" is promised.
    EXPECT_GT(ConvexPiece::contact(a, square(5, 0, 1), 0.015).distance, 0.015);
}

TEST(ConvexPieceTest, SignedDistanceAndHolding) {
    ConvexPiece a = square(0, 0, 2);
    EXPECT_NEAR(a.signedDistance({1, 0.5}), 0.5, 1e-12);
    EXPECT_NEAR(a.signedDistance({3, 1}), -1, 1e-12);
    EXPECT_NEAR(a.signedDistance({3, 3}), -std::sqrt(2.0), 1e-12);
    EXPECT_TRUE(a.holds(square(1.5, 1.5, 0.51), 0.015));   // 0.01 outside
    EXPECT_FALSE(a.holds(square(1.5, 1.5, 0.52), 0.015));  // 0.02 outside
    EXPECT_FALSE(ConvexPiece::segment({0, 0}, {1, 0}).holds(a, 1));
    // Points without area make a segment; the winding of the input does not matter.
    EXPECT_FALSE(ConvexPiece::region({{0, 0}, {1, 1}, {2, 2}}).isRegion());
    EXPECT_TRUE(ConvexPiece::region({{0, 0}, {0, 1}, {1, 1}, {1, 0}}).isRegion());
}

TEST(CurveSamplerTest, EllipsesAndArcsStayOnTheirCurves) {
    // An ellipse of radii 3 and 1, turned by 30 degrees.
    const double c = std::cos(0.5236), s = std::sin(0.5236);
    auto ellipse = CurveSampler::ellipse({1, 1}, {1 + 3 * c, 1 + 3 * s}, {1 - s, 1 + c});
    ASSERT_GE(ellipse.size(), 16u);
    EXPECT_EQ(ellipse.size() % 4, 0u);
    for (size_t i = 0; i < ellipse.size(); ++i) {
        for (double t : {0.0, 0.5}) {  // every vertex and every side's middle
            const Point2& p = ellipse[i];
            const Point2& q = ellipse[(i + 1) % ellipse.size()];
            double x = p.x + (q.x - p.x) * t - 1, y = p.y + (q.y - p.y) * t - 1;
            // In the ellipse's own axes, how far the point lies off the curve along the
            // ray from the centre.
            double along = x * c + y * s, across = -x * s + y * c;
            double scale = std::hypot(along / 3, across);
            EXPECT_NEAR(std::hypot(along, across) * (1 - 1 / scale), 0, 2.5e-4) << i;
        }
    }
    // A half circle through its top, and the bow form of the same arc.
    for (const auto& arc : {CurveSampler::arcThrough({-1, 0}, {0, 1}, {1, 0}),
                            CurveSampler::arcWithBow({-1, 0}, {1, 0}, -1)}) {
        ASSERT_GE(arc.size(), 4u);
        EXPECT_NEAR(arc.back().x, 1, 1e-12);
        for (const Point2& p : arc) {
            EXPECT_NEAR(std::hypot(p.x, p.y), 1, 1e-9);
            EXPECT_GE(p.y, -1e-12);
        }
    }
    EXPECT_EQ(CurveSampler::arcThrough({0, 0}, {1, 0}, {2, 0}).size(), 2u);  // straight
}

TEST(PolygonSplitterTest, ConvexnessSimplicityAndTriangles) {
    const std::vector<Point2> ell = {{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 3}, {0, 3}};
    EXPECT_FALSE(PolygonSplitter::isConvex(ell));
    EXPECT_TRUE(PolygonSplitter::isConvex({{0, 0}, {1, 0}, {1, 1}, {0, 1}}));
    // A pentagram turns one way at every corner but goes round twice.
    std::vector<Point2> star;
    for (int i = 0; i < 5; ++i) {
        double t = 3.14159265358979 / 2 + i * 4 * 3.14159265358979 / 5;
        star.push_back({std::cos(t), std::sin(t)});
    }
    EXPECT_FALSE(PolygonSplitter::isConvex(star));
    EXPECT_FALSE(PolygonSplitter::isSimple(star));
    EXPECT_TRUE(PolygonSplitter::triangles(star).empty());

    auto triangles = PolygonSplitter::triangles(ell);
    ASSERT_EQ(triangles.size(), 4u);
    double area = 0;
    for (const auto& t : triangles)
        area += std::fabs((t[1].x - t[0].x) * (t[2].y - t[0].y) -
                          (t[1].y - t[0].y) * (t[2].x - t[0].x)) /
                2;
    EXPECT_NEAR(area, 5, 1e-12);
}

TEST(GridIndexTest, FindsWhatABruteForceSearchFinds) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> position(0, 100), size(0.1, 3);
    std::vector<Bounds> boxes;
    for (int i = 0; i < 2000; ++i) {
        Bounds b;
        double x = position(random), y = position(random);
        b.add({x, y});
        b.add({x + size(random), y + size(random)});
        boxes.push_back(b);
    }
    boxes[5] = Bounds();  // an empty box is never found
    Bounds huge;          // a box over everything is always found
    huge.add({-10, -10});
    huge.add({110, 110});
    boxes.push_back(huge);
    GridIndex index;
    index.build(boxes);
    for (int q = 0; q < 200; ++q) {
        Bounds probe;
        double x = position(random), y = position(random);
        probe.add({x, y});
        probe.add({x + size(random), y + size(random)});
        std::vector<size_t> found = index.query(probe);
        EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
        for (size_t i = 0; i < boxes.size(); ++i) {
            bool meets = boxes[i].near(probe, 0);
            if (meets) {
                EXPECT_TRUE(std::binary_search(found.begin(), found.end(), i)) << i;
            }
        }
        EXPECT_FALSE(std::binary_search(found.begin(), found.end(), size_t{5}));
        EXPECT_TRUE(std::binary_search(found.begin(), found.end(), boxes.size() - 1));
        // The grid looks at a few boxes, not at all of them.
        EXPECT_LT(found.size(), 60u);
    }
}

}  // namespace
}  // namespace simhost::geometry
