#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

struct ppd_file_s;

// A queue's PPD as the scheduler hands it out, with its defaults marked.
// Only the defaults are read: what the queue does when nobody asks for
// anything else.
class CCupsPpd
{
public:
    explicit CCupsPpd(const QString& queue);
    ~CCupsPpd();
    CCupsPpd(const CCupsPpd&) = delete;
    CCupsPpd& operator=(const CCupsPpd&) = delete;

    bool IsOpen() const { return m_pPpd != nullptr; }
    // The default choice of a main keyword ("Gamma" gives "-500"); empty
    // when the PPD has no such option.
    QString DefaultChoice(const char* keyword) const;
    // Horizontal dots per inch of the default resolution; 0 when not given.
    int DefaultResolution() const;
    // Width and length of the default paper in points; empty when not given.
    QSizeF DefaultPaperPoints() const;

    struct PaperSize
    {
        QString name;     // the PPD's keyword, "A4", "Plate90"
        QString text;     // what people read, "90 x 90 mm"
        QSizeF points;    // width and length
        // Where the printer can print, in points from the top-left corner;
        // the whole paper when the PPD does not say.
        QRectF printable;
    };
    // Every paper the queue offers, in the PPD's order.
    std::vector<PaperSize> PaperSizes() const;
    // The paper of that keyword; the default one for an empty or unknown
    // keyword; empty points when the PPD has none.
    PaperSize Paper(const QString& name) const;

private:
    ppd_file_s* m_pPpd = nullptr;
    QByteArray m_fileName;
};
