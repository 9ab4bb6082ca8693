#include "FontMapper.h"

#include "platform/AnsiCodec.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int defaultCellHeight = 16;
// Beyond this the font engines give up or eat memory; only damaged records get there.
constexpr std::int64_t maximumPixelSize = 16384;
constexpr int referencePixelSize = 1000;

// Layouts made on other systems name Japanese faces this one does not have;
// IPAexGothic carries the same character repertoire.
void InstallSubstitutions()
{
    static const bool installed = [] {
        const QString japanese = QStringLiteral("IPAexGothic");
        const QStringList faces = {
            QStringLiteral("MS Gothic"), QStringLiteral("MS PGothic"), QStringLiteral("MS UI Gothic"),
            QStringLiteral("MS Mincho"), QStringLiteral("MS PMincho"), QStringLiteral("Meiryo"),
            QStringLiteral("Meiryo UI"), QStringLiteral("Yu Gothic"), QStringLiteral("Yu Gothic UI"),
            QStringLiteral("Yu Mincho"),
            // The same faces by their Japanese names, as CP932 records carry them.
            QString::fromUtf16(u"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF"),
            QString::fromUtf16(u"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF"),
            QString::fromUtf16(u"\uFF2D\uFF33 \u660E\u671D"),
            QString::fromUtf16(u"\uFF2D\uFF33 \uFF30\u660E\u671D"),
            QString::fromUtf16(u"\u30E1\u30A4\u30EA\u30AA"),
            QString::fromUtf16(u"\u6E38\u30B4\u30B7\u30C3\u30AF"),
            QString::fromUtf16(u"\u6E38\u660E\u671D"),
        };
        for (const QString& face : faces)
            QFont::insertSubstitution(face, japanese);
        return true;
    }();
    (void)installed;
}

QFont::StyleHint HintForFamily(int pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case 0x10: return QFont::Serif;
    case 0x20: return QFont::SansSerif;
    case 0x30: return QFont::TypeWriter;
    case 0x40: return QFont::Cursive;
    case 0x50: return QFont::Decorative;
    default: return QFont::AnyStyle;
    }
}

} // namespace

namespace FontMapper {

QString FaceName(const LOGFONT& lf)
{
    return AnsiCodec::Decode(lf.FaceName(), lf.lfCharSet);
}

bool WantsAntialias(const LOGFONT& lf)
{
    // ANTIALIASED_QUALITY, CLEARTYPE_QUALITY, CLEARTYPE_NATURAL_QUALITY.
    return lf.lfQuality >= 4 && lf.lfQuality <= 6;
}

double RotationDegrees(int escapementTenths)
{
    return -escapementTenths / 10.0;
}

QFont Map(const LOGFONT& lf)
{
    InstallSubstitutions();
    QFont font;
    const QString face = FaceName(lf);
    if (!face.isEmpty())
        font.setFamily(face);
    font.setStyleHint(HintForFamily(lf.lfPitchAndFamily));
    font.setWeight(QFont::Weight(std::clamp<int>(lf.lfWeight <= 0 ? 400 : lf.lfWeight, 1, 1000)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    // Text output here places glyphs by their plain advances.
    font.setKerning(false);
    font.setStyleStrategy(WantsAntialias(lf) ? QFont::PreferAntialias : QFont::NoAntialias);

    std::int64_t pixels = lf.lfHeight;
    if (pixels < 0) {
        pixels = -pixels;
    } else {
        const double cell = pixels == 0 ? defaultCellHeight : double(pixels);
        // A cell height: the em is the cell scaled by em / (ascent + descent).
        QFont reference = font;
        reference.setPixelSize(referencePixelSize);
        const QFontMetricsF metrics(reference);
        const double cellAtReference = metrics.ascent() + metrics.descent();
        const double em = cellAtReference > 0 ? cell * referencePixelSize / cellAtReference : cell;
        pixels = std::llround(std::min(em, double(maximumPixelSize)));
    }
    font.setPixelSize(int(std::clamp<std::int64_t>(pixels, 1, maximumPixelSize)));
    return font;
}

} // namespace FontMapper
