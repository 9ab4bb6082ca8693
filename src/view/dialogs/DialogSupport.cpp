#include "DialogSupport.h"

#include "CFieldReader.h"
#include "DialogControlIds.h"
#include "view/DialogFont.h"

#include "view/controls/CGreyColorButton.h"
#include "view/controls/CUnitFormat.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace DialogSupport {

namespace {

} // namespace

QString ControlName(int id)
{
    return QString::number(id);
}

QLineEdit* NewEdit(QWidget* parent, int id, int maxChars)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(ControlName(id));
    edit->setMaxLength(maxChars);
    return edit;
}

QLabel* NewLabel(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

void SetText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

QCheckBox* NewCheck(QWidget* parent, int id, const QString& text)
{
    auto* check = new QCheckBox(text, parent);
    check->setObjectName(ControlName(id));
    return check;
}

QLabel* NewUnitLabel(QWidget* parent, int id, const CUnitFormat& unit)
{
    auto* label = new QLabel(unit.UnitName(), parent);
    label->setObjectName(ControlName(id));
    return label;
}

void AddLengthRow(QGridLayout* grid, int row, const QString& label, QLineEdit* edit, int unitLabelId,
                  const CUnitFormat& unit)
{
    QWidget* parent = edit->parentWidget();
    grid->addWidget(NewLabel(parent, label, edit), row, 0);
    grid->addWidget(edit, row, 1);
    if (unitLabelId != 0)
        grid->addWidget(NewUnitLabel(parent, unitLabelId, unit), row, 2);
}

QGroupBox* NewPositionGroup(QWidget* parent, const QString& title, const CUnitFormat& unit, QLineEdit*& x,
                            QLineEdit*& y)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(ControlName(DialogControlIds::positionGroup));
    x = NewEdit(group, DialogControlIds::positionX);
    y = NewEdit(group, DialogControlIds::positionY);
    auto* grid = new QGridLayout(group);
    AddLengthRow(grid, 0, QCoreApplication::translate("DialogSupport", "&Horizontal"), x, 1167, unit);
    AddLengthRow(grid, 1, QCoreApplication::translate("DialogSupport", "&Vertical"), y, 1168, unit);
    return group;
}

CGreyColorButton* NewGreyButton(QWidget* parent, int id)
{
    auto* button = new CGreyColorButton(parent);
    button->setObjectName(ControlName(id));
    return button;
}

FontControls AddTextAndFontRows(QWidget* box, QWidget* text, Qt::Alignment labelAlignment)
{
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(NewLabel(box, QCoreApplication::translate("DialogSupport", "&Text"), text), 0, 0, labelAlignment);
    grid->addWidget(text, 0, 1, 1, 3);
    return AddFontRows(grid, 1);
}

FontControls AddFontRows(QGridLayout* grid, int row)
{
    QWidget* parent = grid->parentWidget();
    FontControls controls;
    controls.name = new QLabel(parent);
    controls.name->setObjectName(ControlName(DialogControlIds::fontName));
    controls.name->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    controls.change = new QPushButton(QCoreApplication::translate("DialogSupport", "&Change..."), parent);
    controls.change->setObjectName(ControlName(DialogControlIds::changeFont));
    controls.change->setAutoDefault(false);
    controls.color = NewGreyButton(parent, DialogControlIds::fontColor);
    grid->addWidget(new QLabel(QCoreApplication::translate("DialogSupport", "Font"), parent), row, 0);
    grid->addWidget(controls.name, row, 1);
    grid->addWidget(controls.change, row, 2);
    grid->addWidget(NewLabel(parent, QCoreApplication::translate("DialogSupport", "F&ont Color"), controls.color),
                    row + 1, 0);
    grid->addWidget(controls.color, row + 1, 1);
    return controls;
}

std::optional<LOGFONT> ChooseFont(QWidget* parent, const LOGFONT& font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, DialogFont::ToDialogFont(font), parent);
    if (!ok)
        return std::nullopt;
    return DialogFont::FromDialogFont(chosen, font);
}

} // namespace DialogSupport
