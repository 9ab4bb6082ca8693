#pragma once

#include "platform/CSize.h"

#include <QSizeF>
#include <QString>

#include <memory>

class CDibImage;
class QImage;

// A vector picture (SVG, or a PDF's first page) drawn at exactly the dots
// it takes on the plate, never as a small bitmap enlarged: its edges stay
// sharp where the engraver needs them. Transparent parts become the key
// colour, decided at half opacity as for any picture.
class CVectorPicture
{
public:
    // Nothing when the file is not a vector picture this program draws.
    static std::unique_ptr<CVectorPicture> Open(const QString& path);
    ~CVectorPicture();

    // Its own size, for its proportions.
    QSizeF NaturalSize() const;
    // The size it says it has on paper, in 0.01 mm (at least 1 a side).
    CSize PaperSize() const;
    // Draws the whole picture into dots.cx x dots.cy dots (24 bits).
    bool Draw(CSize dots, CDibImage& image) const;

    // What draws one kind of file: its size, and the picture drawn into a
    // transparent image of so many pixels.
    struct Source
    {
        virtual ~Source() = default;
        virtual QSizeF Size() const = 0;
        virtual QSizeF Inches() const = 0;
        virtual QImage Render(QSize pixels) const = 0;
    };

private:
    explicit CVectorPicture(std::unique_ptr<Source> source);

    std::unique_ptr<Source> m_pSource;
};
