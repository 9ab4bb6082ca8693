#pragma once

#include "platform/CPoint.h"

#include <QCoreApplication>
#include <QString>

// The texts of the main window's status panes: positions and sizes in the
// user's unit, millimetres with two decimals or inches with three.
class CStatusTexts
{
    Q_DECLARE_TR_FUNCTIONS(CStatusTexts)

public:
    explicit CStatusTexts(bool inch) : m_bInch(inch) {}

    // "Cursor: 12.50, -3.00 mm"; x and y in 0.01 mm.
    QString Cursor(CPoint point) const { return Pair(tr("Cursor"), point.x, point.y); }
    QString Position(CPoint point) const { return Pair(tr("Position"), point.x, point.y); }
    QString Size(int cx, int cy) const { return Pair(tr("Size"), cx, cy); }
    // A length in the unit, without its name.
    QString Length(int value) const;

    static QString Zoom(int percent);

private:
    QString Pair(const QString& label, int a, int b) const;

    bool m_bInch;
};
