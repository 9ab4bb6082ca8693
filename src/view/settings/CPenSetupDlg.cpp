#include "CPenSetupDlg.h"

#include "CPenPreviewFrame.h"

#include "view/controls/CGreyColorButton.h"

#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

CPenSetupDlg::CPenSetupDlg(int unit, const CPenSetupRules::Pen& pen, QWidget* parent)
    : CBaseDlg(unit, parent)
    , m_rules(unit, pen)
    , m_pColor(new CGreyColorButton(this))
    , m_pTrack(new QSlider(Qt::Horizontal, this))
    , m_pWidth(new QLineEdit(this))
    , m_pUnit(new QLabel(this))
    , m_pPreview(new CPenPreviewFrame(this))
{
    setWindowTitle(tr("Pen Setup"));
    m_pColor->setObjectName(QStringLiteral("1024"));
    m_pTrack->setObjectName(QStringLiteral("1047"));
    m_pWidth->setObjectName(QStringLiteral("1177"));
    m_pUnit->setObjectName(QStringLiteral("1178"));
    m_pPreview->setObjectName(QStringLiteral("1046"));
    BuildLayout();

    m_pColor->SetColor(m_rules.Color());
    m_pTrack->setRange(0, CPenSetupRules::trackMaximum);
    m_pTrack->setValue(m_rules.TrackPosition());
    m_pUnit->setText(m_rules.UnitName());
    ShowWidth();

    // valueChanged covers dragging (the bar tracks) as well as key moves.
    connect(m_pTrack, &QSlider::valueChanged, this, &CPenSetupDlg::OnTrackMoved);
    m_pWidth->installEventFilter(this);
    connect(m_pColor, &QAbstractButton::clicked, m_pColor, &CColorButton::Choose);
    connect(m_pColor, &CColorButton::colorChanged, this, &CPenSetupDlg::OnColorChanged);
}

void CPenSetupDlg::BuildLayout()
{
    auto* colorLabel = new QLabel(tr("Pen && Paint &Color"), this);
    colorLabel->setBuddy(m_pColor);
    auto* widthLabel = new QLabel(tr("&Width"), this);
    widthLabel->setBuddy(m_pTrack);
    m_pWidth->setMaxLength(lengthEditMaxChars);
    m_pPreview->setMinimumSize(96, 96);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPenSetupDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPenSetupDlg::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(colorLabel, 0, 0);
    grid->addWidget(m_pColor, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(widthLabel, 1, 0);
    grid->addWidget(m_pTrack, 1, 1, 1, 2);
    grid->addWidget(m_pWidth, 2, 1);
    grid->addWidget(m_pUnit, 2, 2);
    grid->addWidget(m_pPreview, 0, 3, 3, 1);
    grid->addWidget(buttons, 0, 4, 3, 1, Qt::AlignTop);
}

void CPenSetupDlg::ShowWidth()
{
    m_pWidth->setText(m_rules.WidthText());
    m_pPreview->SetPen(m_rules.Result().width, m_rules.Color());
}

void CPenSetupDlg::OnTrackMoved(int position)
{
    m_rules.SetTrackPosition(position);
    ShowWidth();
}

void CPenSetupDlg::OnWidthLeft()
{
    const QString refusal = m_rules.AcceptWidthText(m_pWidth->text());
    if (refusal.isEmpty()) {
        // The bar follows without answering back: its position would round
        // a width it cannot stand at (0, or beyond 20 mm).
        const QSignalBlocker blocker(m_pTrack);
        m_pTrack->setValue(m_rules.TrackPosition());
        ShowWidth();
        return;
    }
    // Said with the words every dialog uses: putting the last valid width
    // back without a word would hide the mistake.
    Refuse(nullptr, refusal);
    ShowWidth();
    // The focus is on its way elsewhere; take it back once it has arrived.
    QTimer::singleShot(0, m_pWidth, [edit = m_pWidth] {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    });
}

bool CPenSetupDlg::eventFilter(QObject* watched, QEvent* event)
{
    // Only the user moving on counts as leaving the field: a message box or
    // a menu taking the focus for a moment must not undo what was typed.
    if (watched == m_pWidth && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            OnWidthLeft();
    }
    return CBaseDlg::eventFilter(watched, event);
}

void CPenSetupDlg::OnColorChanged(COLORREF color)
{
    m_rules.SetColor(color);
    ShowWidth();
}

void CPenSetupDlg::accept()
{
    if (const QString refusal = m_rules.AcceptWidthText(m_pWidth->text()); !refusal.isEmpty()) {
        Refuse(m_pWidth, refusal);
        return;
    }
    CBaseDlg::accept();
}
