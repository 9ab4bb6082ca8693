#include "DibTestImages.h"
#include "TestBytes.h"

#include "imaging/DibQuarterTurn.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DibImage, CreateAllocatesFillsAndKeepsDepthForTheSameSize)
{
    CDibImage image;
    EXPECT_TRUE(image.IsEmpty());
    ASSERT_TRUE(image.Create(5, 3, 24, RGB(1, 2, 3)));
    EXPECT_EQ(image.Stride(), 16u);
    EXPECT_EQ(image.Info().size(), 40u);
    EXPECT_EQ(image.GetPixel(4, 2), RGB(1, 2, 3));
    EXPECT_EQ(image.Row(2)[14], 1); // B, G, R: red last

    // Same size, no table: the existing block and bit count stay.
    ASSERT_TRUE(image.Create(5, 3, 8, RGB(9, 9, 9)));
    EXPECT_EQ(image.BitCount(), 24);
    EXPECT_EQ(image.GetPixel(0, 0), RGB(9, 9, 9));

    const COLORREF table[2] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    ASSERT_TRUE(image.Create(5, 3, 1, colorNone, table));
    EXPECT_EQ(image.BitCount(), 1);
    EXPECT_EQ(image.TableColor(1), RGB(255, 255, 255));
    EXPECT_EQ(image.Info().size(), 48u);
}

TEST(DibImage, CreateRefusesImpossibleSizesAndKeepsTheOldImage)
{
    CDibImage image = Filled24(2, 2, RGB(5, 5, 5));
    EXPECT_FALSE(image.Create(0, 10, 24));
    EXPECT_FALSE(image.Create(-3, 10, 24));
    EXPECT_FALSE(image.Create(40000, 10, 24));
    EXPECT_FALSE(image.Create(30000, 30000, 24)); // over 1 GiB of pixels
    EXPECT_FALSE(image.Create(10, 10, 7));
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.GetPixel(1, 1), RGB(5, 5, 5));
}

TEST(DibImage, PixelAccessFollowsDepthRules)
{
    CDibImage mono;
    ASSERT_TRUE(mono.Create(9, 2, 1, 0));
    EXPECT_EQ(mono.GetPixel(0, 0), colorNone);
    EXPECT_FALSE(mono.SetPixel(0, 0, 0));
    EXPECT_EQ(mono.GetPixelAddress(8, 1), mono.Row(1) + 1);

    CDibImage paletted;
    ASSERT_TRUE(paletted.Create(3, 1, 8, colorNone));
    paletted.Row(0)[0] = 4;
    paletted.Row(0)[2] = 4;
    ASSERT_TRUE(paletted.SetPixel(0, 0, RGB(10, 20, 30)));
    EXPECT_EQ(paletted.GetPixel(2, 0), RGB(10, 20, 30)); // shares index 4
    EXPECT_EQ(paletted.GetPixel(1, 0), RGB(0, 0, 0));

    const CDibImage colour = Filled24(3, 3, RGB(7, 8, 9));
    EXPECT_EQ(colour.GetPixel(-1, 0), colorNone);
    EXPECT_EQ(colour.GetPixel(3, 0), colorNone);
    EXPECT_EQ(colour.GetPixelAddress(0, 3), nullptr);
}

TEST(DibImage, CopyImageTakesAWholeImageOrARegion)
{
    const CDibImage source = Image24(3, 2, {RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0),
                                            RGB(4, 0, 0), RGB(5, 0, 0), RGB(6, 0, 0)});
    CDibImage whole;
    ASSERT_TRUE(whole.CopyImage(source));
    EXPECT_EQ(whole.GetPixel(2, 1), RGB(6, 0, 0));

    const CRect region{1, 1, 3, 2};
    CDibImage part;
    ASSERT_TRUE(part.CopyImage(source, &region));
    EXPECT_EQ(part.Width(), 2);
    EXPECT_EQ(part.Height(), 1);
    EXPECT_EQ(part.GetPixel(0, 0), RGB(5, 0, 0));
    EXPECT_EQ(part.GetPixel(1, 0), RGB(6, 0, 0));

    const CRect beyond{2, -1, 4, 1}; // reaches outside: those pixels are black
    ASSERT_TRUE(part.CopyImage(source, &beyond));
    EXPECT_EQ(part.GetPixel(0, 1), RGB(3, 0, 0));
    EXPECT_EQ(part.GetPixel(1, 1), RGB(0, 0, 0));
    EXPECT_EQ(part.GetPixel(0, 0), RGB(0, 0, 0));

    CDibImage empty;
    EXPECT_FALSE(part.CopyImage(empty));
}

TEST(DibImage, ConvertDepthToTwentyFourAndToOneBit)
{
    CDibImage paletted;
    ASSERT_TRUE(paletted.Create(2, 1, 8, colorNone));
    paletted.Row(0)[1] = 3;
    paletted.SetPixel(1, 0, RGB(200, 100, 50));
    ASSERT_TRUE(paletted.ConvertDepth(24));
    EXPECT_EQ(paletted.BitCount(), 24);
    EXPECT_EQ(paletted.Info().size(), 40u);
    EXPECT_EQ(paletted.GetPixel(1, 0), RGB(200, 100, 50));

    CDibImage colour = Image24(3, 1, {RGB(250, 250, 250), RGB(10, 10, 10), RGB(255, 255, 0)});
    ASSERT_TRUE(colour.ConvertDepth(1));
    EXPECT_EQ(colour.TableColor(0), RGB(0, 0, 0));
    EXPECT_EQ(colour.TableColor(1), RGB(255, 255, 255));
    EXPECT_EQ(colour.Row(0)[0] & 0xE0, 0xA0); // white, black, white
}

TEST(DibImage, PackedFormIsBottomUpAndChecksItsBuffer)
{
    const CDibImage image = Image24(1, 2, {RGB(1, 2, 3), RGB(4, 5, 6)});
    ASSERT_EQ(image.PackedSize(), 48u);
    std::uint8_t buffer[48];
    EXPECT_FALSE(image.WritePacked(buffer, 47));
    EXPECT_FALSE(image.WritePacked(nullptr, 48));
    ASSERT_TRUE(image.WritePacked(buffer, 48));
    const QByteArray packed(reinterpret_cast<const char*>(buffer), 48);
    EXPECT_EQ(packed.mid(40), TestBytes().bytes({6, 5, 4, 0, 3, 2, 1, 0}).data());

    CDibImage back;
    ASSERT_TRUE(back.CreateFromPackedDib(packed));
    EXPECT_EQ(back.GetPixel(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(back.GetPixel(0, 1), RGB(4, 5, 6));
}

TEST(DibImage, SavedBitmapFileHasTheDocumentedHeader)
{
    CDibImage mask;
    ASSERT_TRUE(mask.Create(3, 2, 8, colorNone));
    mask.Row(0)[0] = 7;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.bmp"));
    ASSERT_TRUE(mask.SaveBitmapFile(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const int pixelOffset = 54 + 4 * 256;
    EXPECT_EQ(bytes.left(14), TestBytes().text("BM").u32(pixelOffset + 8).u16(0).u16(0).u32(pixelOffset).data());
    EXPECT_EQ(bytes.size(), pixelOffset + 8);
    EXPECT_EQ(bytes.mid(pixelOffset), TestBytes().bytes({0, 0, 0, 0, 7, 0, 0, 0}).data());

    CDibImage back;
    ASSERT_TRUE(back.LoadBitmapFile(path));
    EXPECT_EQ(back.BitCount(), 8);
    EXPECT_EQ(back.Row(0)[0], 7);
    EXPECT_FALSE(back.LoadBitmapFile(dir.filePath(QStringLiteral("missing.bmp"))));
    QFile empty(dir.filePath(QStringLiteral("empty.bmp")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_FALSE(back.LoadBitmapFile(empty.fileName())); // and allocates nothing for it
    EXPECT_EQ(back.Row(0)[0], 7);
}

TEST(DibImage, PaintSurfaceWritesStraightIntoThePixels)
{
    CDibImage colour = Filled24(4, 4, RGB(0, 0, 0));
    {
        QImage surface = colour.PaintSurface();
        QPainter painter(&surface);
        painter.fillRect(QRect(1, 1, 2, 1), QColor(10, 20, 30));
    }
    EXPECT_EQ(colour.GetPixel(1, 1), RGB(10, 20, 30));
    EXPECT_EQ(colour.GetPixel(3, 1), RGB(0, 0, 0));

    CDibImage paletted;
    ASSERT_TRUE(paletted.Create(4, 2, 8, colorNone));
    {
        QImage surface = paletted.PaintSurface();
        QPainter painter(&surface);
        painter.fillRect(QRect(0, 1, 2, 1), QColor(5, 5, 5));
    }
    EXPECT_EQ(paletted.Row(1)[1], 5);
    EXPECT_EQ(paletted.Row(0)[1], 0);

    CDibImage mono;
    ASSERT_TRUE(mono.Create(16, 2, 1, colorNone));
    {
        QImage surface = mono.PaintSurface();
        QPainter painter(&surface);
        painter.fillRect(QRect(8, 0, 8, 1), Qt::white);
    }
    EXPECT_EQ(mono.Row(0)[0], 0x00);
    EXPECT_EQ(mono.Row(0)[1], 0xFF);
}

TEST(DibQuarterTurnTest, TurnsEveryPixelAtItsOwnDepth)
{
    // Index 0 is black in the one-bit table; GetPixel reads 24 bits only.
    const auto dark = [](const CDibImage& image, int x, int y) {
        if (image.BitCount() == 24)
            return image.GetPixel(x, y) == RGB(0, 0, 0);
        return ((image.Row(y)[x / 8] >> (7 - x % 8)) & 1) == 0;
    };
    const COLORREF table[2] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    for (int bits : {1, 24}) {
        CDibImage image;
        ASSERT_TRUE(image.Create(11, 3, bits, RGB(255, 255, 255), bits == 1 ? table : nullptr));
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{10, 2}}) { // top left, bottom right
            if (bits == 24)
                image.SetPixel(x, y, RGB(0, 0, 0));
            else
                image.Row(y)[x / 8] &= std::uint8_t(~(0x80 >> (x % 8)));
        }
        CDibImage turned;
        ASSERT_TRUE(DibQuarterTurn::Turn(image, 1, turned));
        EXPECT_EQ(turned.BitCount(), bits);
        EXPECT_EQ(turned.TableColor(1), image.TableColor(1));
        ASSERT_EQ(turned.Width(), 3);
        ASSERT_EQ(turned.Height(), 11);
        // Clockwise: top left to top right, bottom right to bottom left.
        EXPECT_TRUE(dark(turned, 2, 0)) << bits;
        EXPECT_TRUE(dark(turned, 0, 10)) << bits;
        EXPECT_FALSE(dark(turned, 0, 0)) << bits;
        ASSERT_TRUE(DibQuarterTurn::Turn(image, 2, turned));
        EXPECT_TRUE(dark(turned, 10, 2)) << bits;
        EXPECT_TRUE(dark(turned, 0, 0)) << bits;
        EXPECT_FALSE(dark(turned, 9, 2)) << bits;
    }
    CDibImage untouched;
    EXPECT_FALSE(DibQuarterTurn::Turn(CDibImage(), 1, untouched));
}
