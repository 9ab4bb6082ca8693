#include "objects/CPointPath.h"
#include "platform/CArchive.h"

#include "TestBytes.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

CPointPath Path(std::initializer_list<CPoint> points)
{
    CPointPath path;
    for (CPoint p : points)
        path.Add(p);
    return path;
}

std::vector<CPoint> Points(const CPointPath& path)
{
    return std::vector<CPoint>(path.GetData(), path.GetData() + path.GetSize());
}

} // namespace

TEST(PointArray, GrowsByTheAutomaticStep)
{
    CPointPath path;
    std::vector<int> capacities;
    for (int i = 0; i < 9; ++i) {
        path.Add(i, -i);
        capacities.push_back(path.GetCapacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{4, 4, 4, 4, 8, 8, 8, 8, 12}));
    path.SetSize(3);
    EXPECT_EQ(path.GetCapacity(), 12);
    path.SetSize(5);
    EXPECT_EQ(path[4], (CPoint{0, 0})); // new elements are zero
    path.SetSize(0);
    EXPECT_EQ(path.GetCapacity(), 0);

    CPointPath stepped;
    stepped.SetSize(0, 10);
    stepped.Add(1, 1);
    EXPECT_EQ(stepped.GetCapacity(), 10);
    CPointPath big;
    big.SetSize(4000);
    big.Add(0, 0);
    EXPECT_EQ(big.GetCapacity(), 4000 + 500);
}

TEST(PointPath, BothRecordForms)
{
    const CPointPath path = Path({{1, -2}, {0x10000, 3}});
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        CArchive ar(buffer, CArchive::store);
        const_cast<CPointPath&>(path).Serialize(ar);
        const_cast<CPointPath&>(path).CPointArray::Serialize(ar);
        ar.Flush();
    }
    const TestBytes points = TestBytes().i32(1).i32(-2).i32(0x10000).i32(3);
    EXPECT_EQ(bytes, TestBytes().u32(2).raw(points).u16(2).raw(points).data());

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(buffer, CArchive::load);
    CPointPath a, b;
    a.Serialize(ar);
    b.CPointArray::Serialize(ar);
    EXPECT_EQ(Points(a), Points(path));
    EXPECT_EQ(Points(b), Points(path));
}

TEST(PointPath, ALyingCountFailsWithoutAllocatingIt)
{
    QByteArray bytes = TestBytes().u32(0x7FFFFFF0).i32(1).i32(2);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(buffer, CArchive::load);
    CPointPath path;
    EXPECT_THROW(path.Serialize(ar), CArchiveException);
}

TEST(PointPath, BoundsReverseOffsetAndClosedness)
{
    CPointPath empty;
    EXPECT_EQ(empty.GetBoundingRect(), (CRect{0, 0, 0, 0}));
    CPointPath path = Path({{3, 9}, {-1, 4}, {7, -2}});
    EXPECT_EQ(path.GetBoundingRect(), (CRect{-1, -2, 7, 9}));
    path.Reverse();
    EXPECT_EQ(path[0], (CPoint{7, -2}));
    path.Offset(1, 1);
    EXPECT_EQ(path[2], (CPoint{4, 10}));

    EXPECT_FALSE(Path({{1, 1}, {1, 1}}).IsClosed());
    EXPECT_TRUE(Path({{1, 1}, {2, 2}, {1, 1}}).IsClosed());
    EXPECT_FALSE(path.CopyFrom(nullptr));
    CPointPath copy;
    EXPECT_TRUE(copy.CopyFrom(&path));
    EXPECT_EQ(Points(copy), Points(path));
}

TEST(PointPath, ScalingRoundsAwayFromZeroAndFailsOutOfRange)
{
    CPointPath path = Path({{0, 0}, {3, -3}});
    ASSERT_TRUE(path.ScaleAbout(0.5, 0.5, 0, 0));
    EXPECT_EQ(path[1], (CPoint{2, -2}));   // 1.5 -> 2, -1.5 -> -2

    CPointPath huge = Path({{1 << 30, 0}, {0, 0}});
    EXPECT_FALSE(huge.ScaleAbout(4, 1, 0, 0));
    EXPECT_EQ(huge[0], (CPoint{1 << 30, 0})); // unchanged

    CPointPath box = Path({{0, 0}, {10, 4}});
    ASSERT_TRUE(box.Scale(2, 0.5));          // about (5, 2)
    EXPECT_EQ(Points(box), (std::vector<CPoint>{{-5, 1}, {15, 3}}));
}

TEST(PointPath, RotationTurnsClockwiseInScreenTerms)
{
    CPointPath path = Path({{0, 0}, {10, 0}});
    ASSERT_TRUE(path.Rotate(90)); // about (5, 0); a = -90 degrees
    EXPECT_EQ(Points(path), (std::vector<CPoint>{{5, 5}, {5, -5}}));

    CPointPath moved = Path({{10, 0}, {12, 0}});
    ASSERT_TRUE(moved.RotateAbout(90, 0, 0)); // centre (11, 0) goes to (0, -11)
    EXPECT_EQ(Points(moved), (std::vector<CPoint>{{0, -10}, {0, -12}}));
}

TEST(PointPath, FlipsAboutTheCentreOrALine)
{
    CPointPath path = Path({{0, 0}, {4, 2}, {1, 6}});
    path.Flip(CPointPath::mirrorX); // about x = 2
    EXPECT_EQ(Points(path), (std::vector<CPoint>{{4, 0}, {0, 2}, {3, 6}}));
    path.FlipAbout(CPointPath::mirrorY, 0, 10); // about y = 10
    EXPECT_EQ(Points(path), (std::vector<CPoint>{{4, 20}, {0, 18}, {3, 14}}));
}

TEST(PointPath, FitToRectScalesFromTheCornerAndMirrorsFlippedRects)
{
    CPointPath path = Path({{10, 10}, {20, 15}});
    ASSERT_TRUE(path.FitToRect({0, 0, 100, 100}, false));
    EXPECT_EQ(Points(path), (std::vector<CPoint>{{0, 0}, {100, 100}}));

    CPointPath aspect = Path({{10, 10}, {20, 15}});
    ASSERT_TRUE(aspect.FitToRect({0, 0, 100, 100}, true));
    EXPECT_EQ(Points(aspect), (std::vector<CPoint>{{0, 0}, {100, 50}}));

    CPointPath mirrored = Path({{0, 0}, {10, 5}});
    ASSERT_TRUE(mirrored.FitToRect({10, 0, 0, 5}, false)); // right left of left
    EXPECT_EQ(Points(mirrored), (std::vector<CPoint>{{10, 0}, {0, 5}}));

    CPointPath flat = Path({{3, 7}, {3, 7}});
    ASSERT_TRUE(flat.FitToRect({0, 0, 10, 10}, false)); // zero width scales by 1
    EXPECT_EQ(flat[0], (CPoint{0, 0}));
}

TEST(PointPath, SplitOpensAtAnIndex)
{
    CPointPath open = Path({{0, 0}, {1, 0}, {2, 0}, {3, 0}});
    std::unique_ptr<CPointPath> tail = open.SplitAt(2);
    ASSERT_TRUE(tail);
    EXPECT_EQ(Points(open), (std::vector<CPoint>{{0, 0}, {1, 0}, {2, 0}}));
    EXPECT_EQ(Points(*tail), (std::vector<CPoint>{{3, 1}, {3, 0}}));
    EXPECT_FALSE(open.SplitAt(0));
    EXPECT_FALSE(open.SplitAt(2)); // the last point
    EXPECT_EQ(open.GetSize(), 3);

    CPointPath loop = Path({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}});
    EXPECT_FALSE(loop.SplitAt(2));
    EXPECT_EQ(Points(loop), (std::vector<CPoint>{{2, 2}, {0, 1}, {0, 0}, {1, 0}, {1, 1}}));
}

TEST(PointPath, DrawsAPolyline)
{
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    Path({{0, 1}, {4, 1}}).Draw(painter);
    painter.end();
    EXPECT_EQ(image.pixel(2, 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(255, 255, 255));
}
