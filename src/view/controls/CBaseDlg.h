#pragma once

#include "CFieldRefusal.h"
#include "CUnitFormat.h"

#include "settings/CAppSettings.h"
#include "platform/CPoint.h"

#include <QDialog>
#include <QList>

#include <functional>
#include <optional>

class QLineEdit;

// What every dialog of the program shares: the unit lengths are shown in,
// fixed when the dialog is made, and the operations that remember where the
// user left a dialog.
//
// The main frame's palette is not carried: there are no palette-based
// screens here, so selecting and realising one would do nothing.
class CBaseDlg : public QDialog
{
    Q_OBJECT

public:
    // unit: CUnitFormat::millimetres or CUnitFormat::inches, the
    // application's unit setting at the time.
    explicit CBaseDlg(int unit, QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    int Unit() const { return m_unitFormat.Unit(); }
    const CUnitFormat& UnitFormat() const { return m_unitFormat; }
    QString FormatLength(int lengthMm100) const { return m_unitFormat.Format(lengthMm100); }
    std::optional<int> ParseLength(const QString& text) const { return m_unitFormat.Parse(text); }

    // Places the window's client area at a screen point, at once or, for a
    // window not shown yet, as it shows; -1 in either coordinate means no
    // position was stored: stay put. The client area, not the frame: the
    // frame is known only once the window manager has framed the window, so
    // a frame position kept and restored would creep by a title bar.
    void MoveTo(int x, int y);
    CPoint GetTopLeft() const;

    // The placement's rectangle is the client area on the screen, so that
    // saving and restoring round-trip exactly. An empty rectangle leaves the
    // dialog where it is.
    void RestorePlacement(const CAppSettings::WindowPlacement& placement);
    void SavePlacement(CAppSettings::WindowPlacement& placement) const;

    // Position and size fields hold at most 8 characters.
    static constexpr int lengthEditMaxChars = 8;
    static void LimitLengthEdits(const QList<QLineEdit*>& edits);

    // Where refusals are told; a message box unless something else listens
    // (tests collect them instead of waiting on a box).
    void SetRefusalSink(std::function<void(const QString&)> sink) { m_refusalSink = std::move(sink); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // A typed entry that keeps the dialog open: says why and puts the user
    // back into the field, its text selected.
    // Says why, naming the field by its label, and puts the focus there.
    void Refuse(QLineEdit* field, const QString& message);
    // The same for a field named by its control number.
    void Refuse(const CFieldRefusal& refusal);

private:
    QString FieldName(const QLineEdit* field) const;
    void LimitPositionAndSizeEdits();

    CUnitFormat m_unitFormat;
    bool m_bInitialised = false;
    std::optional<QPoint> m_placeAt;
    // Where the window was as it went: once hidden, the window manager may
    // report it anywhere (a window taken out of its frame lands at 0,0).
    std::optional<QPoint> m_leftAt;
    std::function<void(const QString&)> m_refusalSink;
};
