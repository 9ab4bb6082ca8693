#pragma once

#include "view/CommandId.h"

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

// The cursors of the editing tools, hand-scrolling and text rotation.
enum class CursorKind { Zoom, Scroll, Pen, FillPaint, Text, HandScroll, Rotate, PenErase };

// The program's own drawings: toolbar icons, tool cursors, the selection
// handle and the program icon. They are SVG files compiled into the program
// and rendered here, so they do not depend on an icon theme or on Qt's SVG
// icon plug-in being installed.
class CArtwork
{
public:
    // The toolbar icon of a command, at 16, 24, 32 and 48 pixels; a null icon
    // for commands that have none.
    static QIcon CommandIcon(CommandId id);

    // 32 x 32 pixels, the hot spot where the tool acts.
    static QCursor Cursor(CursorKind kind);

    // The 7 x 7 image drawn on each handle of the selected object: a dark
    // square with a light ring, readable on light and dark plates alike.
    static const QImage& HandleImage();

    static QPixmap ProgramIcon(int sizePixels = 256);

private:
    static QPixmap Render(const QString& resource, int sizePixels);
};
