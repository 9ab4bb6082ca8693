#include "view/artwork/CArtwork.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// Every command the toolbars show.
const CommandId toolbarCommands[] = {
    CommandId::FileNew, CommandId::FileOpen, CommandId::FileSave, CommandId::EditCut, CommandId::EditCopy,
    CommandId::EditPaste, CommandId::EditUndo, CommandId::EditRedo, CommandId::FilePrint,
    CommandId::FilePrintPreview, CommandId::Import, CommandId::Acquire, CommandId::ZoomIn, CommandId::ZoomOut,
    CommandId::FitToScreen, CommandId::ShowGrid, CommandId::LayerWindow, CommandId::Properties,
    CommandId::MoveCenter, CommandId::Trimming, CommandId::CropImage, CommandId::RotateImage, CommandId::Invert,
    CommandId::ToolSelect, CommandId::ToolZoom, CommandId::ToolScroll, CommandId::ToolTextBlock,
    CommandId::ToolPen, CommandId::ToolFillPaint, CommandId::ToolHorizontalText, CommandId::ToolFanText,
    CommandId::TextToolDropDown, CommandId::InsertFrame, CommandId::InsertSymbol, CommandId::InsertCode, CommandId::InsertMaterial,
    CommandId::MaterialSetup, CommandId::ExportBmp, CommandId::Help,
};

const CursorKind cursorKinds[] = {CursorKind::Zoom, CursorKind::Scroll, CursorKind::Pen, CursorKind::FillPaint,
                                  CursorKind::Text, CursorKind::HandScroll, CursorKind::Rotate, CursorKind::PenErase};

int OpaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

bool OpaqueNear(const QImage& image, QPoint point, int radius)
{
    for (int y = point.y() - radius; y <= point.y() + radius; ++y)
        for (int x = point.x() - radius; x <= point.x() + radius; ++x)
            if (image.valid(x, y) && qAlpha(image.pixel(x, y)) > 64)
                return true;
    return false;
}

} // namespace

TEST(Artwork, EveryToolbarCommandHasItsOwnIconAtEverySize)
{
    QSet<QByteArray> seen;
    for (const CommandId id : toolbarCommands) {
        SCOPED_TRACE(int(id));
        const QIcon icon = CArtwork::CommandIcon(id);
        ASSERT_FALSE(icon.isNull());
        for (const int size : {16, 24, 32, 48})
            EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;

        const QImage image = icon.pixmap(24).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(24, 24));
        // A drawing, not a speck or a filled square.
        const int opaque = OpaquePixels(image);
        EXPECT_GT(opaque, 24 * 24 / 10);
        EXPECT_LT(opaque, 24 * 24);
        // Two commands with one picture would be a slip in the table.
        EXPECT_FALSE(seen.contains(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes())));
        seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    for (const CommandId id : {CommandId::None, CommandId::FileClose, CommandId::About, CommandId::Zoom50})
        EXPECT_TRUE(CArtwork::CommandIcon(id).isNull()) << int(id);
}

TEST(Artwork, CursorsActWhereTheyAreDrawn)
{
    QSet<QByteArray> seen;
    for (const CursorKind kind : cursorKinds) {
        SCOPED_TRACE(int(kind));
        const QCursor cursor = CArtwork::Cursor(kind);
        const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(32, 32));
        ASSERT_TRUE(image.rect().contains(cursor.hotSpot()));
        EXPECT_TRUE(OpaqueNear(image, cursor.hotSpot(), 1));
        const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        EXPECT_FALSE(seen.contains(bytes));
        seen.insert(bytes);
    }
    // The nib and the drop are at the lower left, where the drawings end.
    EXPECT_LT(CArtwork::Cursor(CursorKind::Pen).hotSpot().x(), 8);
    EXPECT_GT(CArtwork::Cursor(CursorKind::Pen).hotSpot().y(), 24);
    EXPECT_LT(CArtwork::Cursor(CursorKind::FillPaint).hotSpot().x(), 8);
}

TEST(Artwork, HandleAndProgramIcon)
{
    const QImage& handle = CArtwork::HandleImage();
    ASSERT_EQ(handle.size(), QSize(7, 7));
    // Dark rim for light plates, light ring for dark ones, dark centre.
    EXPECT_EQ(handle.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(handle.pixel(6, 3), qRgb(0, 0, 0));
    EXPECT_EQ(handle.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(handle.pixel(5, 3), qRgb(255, 255, 255));
    EXPECT_EQ(handle.pixel(3, 3), qRgb(0, 0, 0));

    const QImage icon = CArtwork::ProgramIcon().toImage();
    ASSERT_EQ(icon.size(), QSize(256, 256));
    EXPECT_GT(OpaquePixels(icon.convertToFormat(QImage::Format_ARGB32)), 256 * 256 / 2);
}
