#include "CBaseDlg.h"

#include <QCoreApplication>
#include <QHideEvent>
#include <QMessageBox>

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

// The object dialogs name their position x, position y, size x and size y
// fields by these control ids.
const char* const lengthEditNames[] = {"1022", "1023", "1006", "1007"};

constexpr int showCmdNormal = 1;
constexpr int showCmdMaximized = 3;

} // namespace

CBaseDlg::CBaseDlg(int unit, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_unitFormat(unit)
{
}

void CBaseDlg::MoveTo(int x, int y)
{
    if (x == -1 || y == -1)
        return;
    if (isVisible())
        setGeometry(QRect(QPoint(x, y), size()));
    else {
        m_placeAt = QPoint(x, y);
        // A dialog not marked as placed is centred on its parent by a
        // move, which would make this place the frame's.
        setAttribute(Qt::WA_Moved);
    }
}

CPoint CBaseDlg::GetTopLeft() const
{
    // A window not shown yet is where it will show; a hidden one where it
    // was last seen.
    QPoint topLeft = geometry().topLeft();
    if (m_placeAt)
        topLeft = *m_placeAt;
    else if (!isVisible() && m_leftAt)
        topLeft = *m_leftAt;
    return {topLeft.x(), topLeft.y()};
}

void CBaseDlg::RestorePlacement(const CAppSettings::WindowPlacement& placement)
{
    const CRect rect = placement.NormalRect();
    if (rect.IsEmpty())
        return;
    setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    if (placement.showCmd == showCmdMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        setWindowState(windowState() & ~Qt::WindowMaximized);
}

void CBaseDlg::SavePlacement(CAppSettings::WindowPlacement& placement) const
{
    const bool maximized = isMaximized();
    const QRect rect = maximized ? normalGeometry() : geometry();
    placement.SetNormalRect({rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()});
    // A dialog that was minimised comes back normal.
    placement.showCmd = maximized ? showCmdMaximized : showCmdNormal;
}

void CBaseDlg::LimitLengthEdits(const QList<QLineEdit*>& edits)
{
    for (QLineEdit* edit : edits)
        edit->setMaxLength(lengthEditMaxChars);
}

void CBaseDlg::showEvent(QShowEvent* event)
{
    // Derived dialogs build their fields in their constructors; the first
    // showing is when they are all there.
    if (!m_bInitialised) {
        m_bInitialised = true;
        LimitPositionAndSizeEdits();
    }
    // Sized by now, and not yet mapped: the window manager takes the
    // client area's place as asked.
    if (m_placeAt) {
        setGeometry(QRect(*m_placeAt, size()));
        m_placeAt.reset();
    }
    QDialog::showEvent(event);
}

void CBaseDlg::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        m_leftAt = geometry().topLeft();
    QDialog::hideEvent(event);
}

void CBaseDlg::LimitPositionAndSizeEdits()
{
    QList<QLineEdit*> edits;
    for (const char* name : lengthEditNames)
        edits += findChildren<QLineEdit*>(QLatin1String(name));
    LimitLengthEdits(edits);
}

// The field's label as people read it: "&Width" and "幅(&W)" both name it
// without their key.
QString CBaseDlg::FieldName(const QLineEdit* field) const
{
    static const QRegularExpression key(QStringLiteral("\\(&.\\)|&(?=.)|[:：]\\s*$"));
    for (const QLabel* label : findChildren<QLabel*>())
        if (label->buddy() == field)
            return label->text().remove(key).trimmed();
    return {};
}

void CBaseDlg::Refuse(QLineEdit* field, const QString& message)
{
    // Which field is meant, when it has a name to give.
    const QString name = field ? FieldName(field) : QString();
    const QString told = name.isEmpty() ? message : tr("%1: %2").arg(name, message);
    if (m_refusalSink)
        m_refusalSink(told);
    else
        QMessageBox::warning(this, QCoreApplication::applicationName(), told);
    if (field) {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    }
}

void CBaseDlg::Refuse(const CFieldRefusal& refusal)
{
    Refuse(findChild<QLineEdit*>(QString::number(refusal.field)), refusal.message);
}
