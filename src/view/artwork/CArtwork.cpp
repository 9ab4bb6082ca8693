#include "CArtwork.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace
{
struct CommandArtwork
{
    CommandId id;
    const char* name;
};

// Commands that share a picture share its file.
constexpr CommandArtwork commandArtwork[] = {
    {CommandId::FileNew, "file-new"},
    {CommandId::FileOpen, "file-open"},
    {CommandId::FileSave, "file-save"},
    {CommandId::EditCut, "edit-cut"},
    {CommandId::EditCopy, "edit-copy"},
    {CommandId::EditPaste, "edit-paste"},
    {CommandId::EditUndo, "edit-undo"},
    {CommandId::EditRedo, "edit-redo"},
    {CommandId::FilePrint, "file-print"},
    {CommandId::FilePrintPreview, "file-print-preview"},
    {CommandId::Import, "file-import"},
    {CommandId::Acquire, "acquire"},
    {CommandId::ZoomIn, "zoom-in"},
    {CommandId::ZoomOut, "zoom-out"},
    {CommandId::FitToScreen, "fit-to-screen"},
    {CommandId::ShowGrid, "show-grid"},
    {CommandId::LayerWindow, "layer-window"},
    {CommandId::Properties, "properties"},
    {CommandId::MoveCenter, "move-center"},
    {CommandId::Trimming, "trimming"},
    {CommandId::CropImage, "crop-image"},
    {CommandId::RotateImage, "rotate-image"},
    {CommandId::Invert, "invert"},
    {CommandId::ToolSelect, "tool-select"},
    {CommandId::ToolZoom, "tool-zoom"},
    {CommandId::ToolScroll, "tool-scroll"},
    {CommandId::ToolTextBlock, "tool-text-block"},
    {CommandId::ToolPen, "tool-pen"},
    {CommandId::ToolFillPaint, "tool-fill"},
    {CommandId::ToolHorizontalText, "tool-horizontal-text"},
    {CommandId::ToolFanText, "tool-fan-text"},
    {CommandId::TextToolDropDown, "text-tool-dropdown"},
    {CommandId::InsertFrame, "insert-frame"},
    {CommandId::InsertSymbol, "insert-symbol"},
    {CommandId::InsertCode, "insert-code"},
    {CommandId::InsertMaterial, "insert-material"},
    {CommandId::MaterialSetup, "material-setup"},
    {CommandId::ExportBmp, "file-export-bitmap"},
    {CommandId::Help, "help"},
};

struct CursorArtwork
{
    const char* name;
    int hotX;
    int hotY;
};

// In CursorKind order. The hot spots are where the drawings act: the lens
// centre, the palm, the nib, the falling drop, the I-beam's middle and the
// centre of the turn.
constexpr CursorArtwork cursorArtwork[] = {
    {"zoom", 13, 13},
    {"scroll", 17, 20},
    {"pen", 2, 29},
    {"fill-paint", 3, 29},
    {"text", 16, 16},
    {"hand-scroll", 17, 19},
    {"rotate", 16, 16},
    {"pen-erase", 2, 29},
};

constexpr int iconSizes[] = {16, 24, 32, 48};
constexpr int cursorSize = 32;
constexpr int handleSize = 7;

QImage MakeHandleImage()
{
    QImage image(handleSize, handleSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setPen(Qt::white);
    painter.drawRect(1, 1, handleSize - 3, handleSize - 3);
    return image;
}
} // namespace

QPixmap CArtwork::Render(const QString& resource, int sizePixels)
{
    QImage image(sizePixels, sizePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(0, 0, sizePixels, sizePixels));
    }
    return QPixmap::fromImage(image);
}

QIcon CArtwork::CommandIcon(CommandId id)
{
    // Toolbars and menus ask again on every rebuild; render each picture once.
    static QHash<int, QIcon> cache;
    if (const auto found = cache.constFind(int(id)); found != cache.constEnd())
        return *found;

    QIcon icon;
    for (const CommandArtwork& artwork : commandArtwork) {
        if (artwork.id != id)
            continue;
        const QString resource = QStringLiteral(":/artwork/icons/%1.svg").arg(QLatin1String(artwork.name));
        for (const int size : iconSizes)
            icon.addPixmap(Render(resource, size));
    }
    cache.insert(int(id), icon);
    return icon;
}

QCursor CArtwork::Cursor(CursorKind kind)
{
    // The view asks on every mouse move.
    static QHash<int, QCursor> cache;
    if (const auto found = cache.constFind(int(kind)); found != cache.constEnd())
        return *found;

    const CursorArtwork& artwork = cursorArtwork[int(kind)];
    const QString resource = QStringLiteral(":/artwork/cursors/%1.svg").arg(QLatin1String(artwork.name));
    const QCursor cursor(Render(resource, cursorSize), artwork.hotX, artwork.hotY);
    cache.insert(int(kind), cursor);
    return cursor;
}

const QImage& CArtwork::HandleImage()
{
    static const QImage image = MakeHandleImage();
    return image;
}

QPixmap CArtwork::ProgramIcon(int sizePixels)
{
    return Render(QStringLiteral(":/artwork/veldra2.svg"), sizePixels);
}
