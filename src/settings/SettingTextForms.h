#pragma once

#include "imaging/ColorRef.h"
#include "platform/CPoint.h"
#include "platform/CSize.h"
#include "platform/LOGFONT.h"

#include <QString>
#include <QStringView>

#include <optional>

// The text forms in which colours, points, sizes and fonts are kept among the
// user's settings. They are shared with the installer and with files people
// edit by hand, so both directions stay byte-for-byte with the old forms.
// A parse that answers nothing means "keep your default".
namespace SettingTextForms
{
// "rrggbb", lower-case.
QString FormatColor(COLORREF color);
// Up to four two-digit hex fields from the start; "00rrggbb" also reads.
std::optional<COLORREF> ParseColor(QStringView text);

// "x,y" / "cx,cy".
QString FormatPoint(CPoint point);
QString FormatSize(CSize size);
// Both numbers or nothing: half a pair is as unreadable as none.
std::optional<CPoint> ParsePoint(QStringView text);
std::optional<CSize> ParseSize(QStringView text);

// Thirteen numbers, then the face name.
QString FormatFont(const LOGFONT& font);
// All thirteen numbers and the comma before the face, or nothing. The face is
// whatever follows the last comma, cut to what the 32-byte field holds.
std::optional<LOGFONT> ParseFont(QStringView text);

} // namespace SettingTextForms
