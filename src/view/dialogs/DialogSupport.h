#pragma once

#include "platform/LOGFONT.h"

#include <QString>

#include <functional>
#include <optional>

class CGreyColorButton;
class CUnitFormat;
class QPushButton;
class QCheckBox;
class QDialog;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;
struct CFieldRefusal;

// Small pieces the object dialogs build their controls from; each control
// is named by its control number so that refusals and the base dialog find
// it.
namespace DialogSupport {

QString ControlName(int id);
// Leaves an unchanged text alone, so that the cursor stays where it is.
void SetText(QLineEdit* edit, const QString& text);
QLineEdit* NewEdit(QWidget* parent, int id, int maxChars = 8);
// A label whose mnemonic moves the focus to buddy.
QLabel* NewLabel(QWidget* parent, const QString& text, QWidget* buddy);
QCheckBox* NewCheck(QWidget* parent, int id, const QString& text);
// "mm", or "inch" when the dialog works in inches.
QLabel* NewUnitLabel(QWidget* parent, int id, const CUnitFormat& unit);

// A row of label, edit and unit label (unitLabelId 0: none).
void AddLengthRow(QGridLayout* grid, int row, const QString& label, QLineEdit* edit, int unitLabelId,
                  const CUnitFormat& unit);
// The position group of every object dialog: Horizontal (x) and Vertical (y).
QGroupBox* NewPositionGroup(QWidget* parent, const QString& title, const CUnitFormat& unit, QLineEdit*& x,
                            QLineEdit*& y);

CGreyColorButton* NewGreyButton(QWidget* parent, int id);

// The font name with "Change..." and the font colour, as both text dialogs
// show them, added to grid from row on.
struct FontControls
{
    QLabel* name = nullptr;
    QPushButton* change = nullptr;
    CGreyColorButton* color = nullptr;
};
FontControls AddFontRows(QGridLayout* grid, int row);
// The text with its label, then the font rows, in a box of their own.
FontControls AddTextAndFontRows(QWidget* box, QWidget* text, Qt::Alignment labelAlignment = {});

// The standard font dialog on a text's font; nothing when cancelled.
std::optional<LOGFONT> ChooseFont(QWidget* parent, const LOGFONT& font);

} // namespace DialogSupport
