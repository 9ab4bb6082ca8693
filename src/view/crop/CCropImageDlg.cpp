#include "CCropImageDlg.h"

#include "CCropCanvas.h"

#include "settings/CAppSettings.h"
#include "view/CommandId.h"
#include "view/artwork/CArtwork.h"
#include "view/controls/CColorButton.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QWheelEvent>

namespace {

QToolButton* MakeButton(QWidget* parent, CommandId command, const QString& tip, bool checkable)
{
    auto* button = new QToolButton(parent);
    button->setIcon(CArtwork::CommandIcon(command));
    button->setToolTip(tip);
    button->setCheckable(checkable);
    button->setAutoRaise(true);
    button->setObjectName(QString::number(int(command)));
    return button;
}

} // namespace

CCropImageDlg::CCropImageDlg(const CDibImage& picture, int tolerance, COLORREF clipColor, QWidget* parent)
    : CBaseDlg(CUnitFormat::millimetres, parent)
    , m_rules(tolerance, clipColor)
    , m_pCanvas(new CCropCanvas(this))
    , m_pSlider(new QSlider(Qt::Horizontal, this))
    , m_pTolerance(new QLineEdit(this))
    , m_pPenDiameter(new QLineEdit(this))
    , m_pColor(new CColorButton(this))
    , m_pTools(new QButtonGroup(this))
{
    setWindowTitle(tr("Crop Image"));
    m_bReady = picture.BitCount() == 24 && m_picture.CopyImage(picture) && m_mask.Init(&m_picture);
    m_pCanvas->setObjectName(QStringLiteral("1124"));
    m_pSlider->setObjectName(QStringLiteral("1145"));
    m_pTolerance->setObjectName(QString::number(CCropRules::toleranceField));
    m_pPenDiameter->setObjectName(QString::number(CCropRules::penDiameterField));
    m_pColor->setObjectName(QStringLiteral("1155"));
    BuildLayout();

    m_pSlider->setRange(CCropRules::minimumTolerance, CCropRules::maximumTolerance);
    ShowTolerance();
    m_pPenDiameter->setText(m_rules.PenDiameterText());
    m_pColor->SetColor(m_rules.ClipColor());
    m_pCanvas->SetClipColor(m_rules.ClipColor());
    if (m_bReady)
        m_pCanvas->SetMask(&m_mask, {m_picture.Width(), m_picture.Height()});
    ToolButton(CCropRules::fillPaint)->setChecked(true);
    ConnectCanvas();
    connect(m_pSlider, &QSlider::valueChanged, this, &CCropImageDlg::OnSliderMoved);
    connect(m_pTolerance, &QLineEdit::textEdited, this, &CCropImageDlg::OnToleranceTyped);
    connect(m_pColor, &QAbstractButton::clicked, m_pColor, &CColorButton::Choose);
    connect(m_pColor, &CColorButton::colorChanged, this, &CCropImageDlg::OnColorChosen);
    connect(m_pTools, &QButtonGroup::idClicked, this, [this] { UpdateCursor(); });
    // Ctrl and its shortcuts mean the canvas wherever the focus is: an edit
    // would otherwise take Ctrl+Z for its own undo.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    UpdateCursor();
}

void CCropImageDlg::BuildLayout()
{
    m_pCanvas->setMinimumSize(400, 300);
    m_pTolerance->setMaxLength(3);
    m_pPenDiameter->setMaxLength(3);
    auto* toleranceLabel = new QLabel(tr("&Approximate Color for Fill"), this);
    toleranceLabel->setBuddy(m_pSlider);
    auto* penLabel = new QLabel(tr("&Pen Diameter"), this);
    penLabel->setBuddy(m_pPenDiameter);
    auto* colorLabel = new QLabel(tr("&Transparent Color"), this);
    colorLabel->setBuddy(m_pColor);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCropImageDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCropImageDlg::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_pCanvas, 0, 0, 8, 1);
    grid->addWidget(BuildToolBox(), 0, 1, 1, 2);
    grid->addWidget(toleranceLabel, 1, 1, 1, 2);
    grid->addWidget(m_pSlider, 2, 1);
    grid->addWidget(m_pTolerance, 2, 2);
    grid->addWidget(penLabel, 3, 1);
    grid->addWidget(m_pPenDiameter, 3, 2);
    grid->addWidget(colorLabel, 4, 1);
    grid->addWidget(m_pColor, 4, 2);
    grid->setRowStretch(5, 1);
    grid->addWidget(buttons, 8, 0, 1, 3);
    grid->setColumnStretch(0, 1);
}

QWidget* CCropImageDlg::BuildToolBox()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    const struct
    {
        CommandId command;
        const char* tip;
        CCropRules::Tool tool;
    } tools[] = {{CommandId::ToolFillPaint, "Fill Paint", CCropRules::fillPaint},
                 {CommandId::ToolPen, "Drawing Pen", CCropRules::drawingPen},
                 {CommandId::ToolScroll, "Scroll the screen", CCropRules::scroll},
                 {CommandId::ToolZoom, "Zoom in or out", CCropRules::zoom}};
    for (const auto& tool : tools) {
        // The words the toolbar says for the same command.
        QToolButton* button = MakeButton(box, tool.command, QCoreApplication::translate("Commands", tool.tip), true);
        m_pTools->addButton(button, tool.tool);
        row->addWidget(button);
    }
    row->addSpacing(8);
    QToolButton* fit = MakeButton(box, CommandId::FitToScreen, tr("Fit to Screen"), false);
    QToolButton* undo = MakeButton(box, CommandId::EditUndo, QCoreApplication::translate("Commands", "Undo the last action"), false);
    QToolButton* redo = MakeButton(box, CommandId::EditRedo, QCoreApplication::translate("Commands", "Redo the previously undone action"), false);
    connect(fit, &QToolButton::clicked, this, &CCropImageDlg::FitToScreen);
    connect(undo, &QToolButton::clicked, this, &CCropImageDlg::Undo);
    connect(redo, &QToolButton::clicked, this, &CCropImageDlg::Redo);
    for (QToolButton* button : {fit, undo, redo})
        row->addWidget(button);
    row->addStretch(1);
    return box;
}

void CCropImageDlg::ConnectCanvas()
{
    connect(m_pCanvas, &CCropCanvas::MousePressed, this, &CCropImageDlg::OnPressed);
    connect(m_pCanvas, &CCropCanvas::MouseMoved, this, &CCropImageDlg::OnMoved);
    connect(m_pCanvas, &CCropCanvas::MouseReleased, this, &CCropImageDlg::OnReleased);
    connect(m_pCanvas, &CCropCanvas::MouseDoubleClicked, this, &CCropImageDlg::OnDoubleClicked);
    connect(m_pCanvas, &CCropCanvas::WheelTurned, this, &CCropImageDlg::OnWheel);
}

bool CCropImageDlg::Run(CDibImage& picture, CAppSettings& settings, QWidget* parent)
{
    // Copying a large picture and building its mask takes a moment.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    CCropImageDlg dialog(picture, settings.clipRange, settings.clipColor, parent);
    QGuiApplication::restoreOverrideCursor();
    if (!dialog.IsReady() || dialog.exec() != QDialog::Accepted)
        return false;
    picture = dialog.Result();
    settings.clipRange = dialog.Tolerance();
    settings.clipColor = dialog.ClipColor();
    return true;
}

CDibImage CCropImageDlg::Result()
{
    m_mask.m_crMasked = m_rules.MaskedColor();
    m_mask.ApplyMask();
    CDibImage result = std::move(m_picture);
    // What is left is no longer the mask's picture.
    m_mask = CCropMask();
    m_pCanvas->SetMask(nullptr, {});
    return result;
}

QAbstractButton* CCropImageDlg::ToolButton(CCropRules::Tool tool) const
{
    return m_pTools->button(tool);
}

CCropRules::Tool CCropImageDlg::ActiveTool() const
{
    return m_bControlScroll ? CCropRules::scroll : CCropRules::Tool(m_pTools->checkedId());
}

void CCropImageDlg::showEvent(QShowEvent* event)
{
    CBaseDlg::showEvent(event);
    if (m_bZoomSet || !m_bReady)
        return;
    m_bZoomSet = true;
    m_pCanvas->SetZoom(CCropRules::OpeningZoom(m_pCanvas->FitZoom()));
}

void CCropImageDlg::FitToScreen()
{
    m_pCanvas->SetZoom(m_pCanvas->FitZoom());
}

void CCropImageDlg::Undo()
{
    m_mask.Undo();
    Repaint();
}

void CCropImageDlg::Redo()
{
    m_mask.Redo();
    Repaint();
}

void CCropImageDlg::Repaint()
{
    m_pCanvas->viewport()->update();
}

void CCropImageDlg::OnPressed(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    // Ctrl pressed or let go while another window had the keyboard is seen
    // here at the latest.
    if (m_bControlScroll != event->modifiers().testFlag(Qt::ControlModifier)) {
        m_bControlScroll = !m_bControlScroll;
        UpdateCursor();
    }
    switch (ActiveTool()) {
    case CCropRules::fillPaint:
        if (event->button() == Qt::LeftButton)
            FillAt(at);
        break;
    case CCropRules::drawingPen:
        if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
            m_bErasing = event->button() == Qt::RightButton;
            Stroke(at, m_bErasing, false);
            UpdateCursor();
        }
        break;
    case CCropRules::scroll:
        m_ptDragFrom = at;
        m_ptScrollFrom = m_pCanvas->GetScrollPosition();
        break;
    case CCropRules::zoom:
        break;
    }
}

void CCropImageDlg::OnMoved(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!(event->buttons() & (Qt::LeftButton | Qt::RightButton)))
        return;
    if (ActiveTool() == CCropRules::drawingPen)
        Stroke(at, m_bErasing, true);
    else if (ActiveTool() == CCropRules::scroll)
        m_pCanvas->ScrollTo(m_ptScrollFrom.x - (at.x() - m_ptDragFrom.x()), m_ptScrollFrom.y - (at.y() - m_ptDragFrom.y()));
}

void CCropImageDlg::OnReleased(QMouseEvent* event)
{
    if (ActiveTool() == CCropRules::zoom && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton))
        ZoomAt(event->position().toPoint(), event->button() == Qt::LeftButton);
    if (m_bErasing && event->button() == Qt::RightButton) {
        m_bErasing = false;
        UpdateCursor();
    }
}

void CCropImageDlg::OnDoubleClicked(QMouseEvent* event)
{
    if (!CCropRules::IsClipColorGesture(event->button(), event->buttons(), event->modifiers()))
        return;
    m_rules.ToggleClipColorMode();
    // In the mode the colour shown is the colour written: it cannot change.
    m_pColor->setEnabled(!m_rules.ClipColorMode());
}

void CCropImageDlg::OnWheel(QWheelEvent* event)
{
    const int notches = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    if (notches == 0)
        return;
    if (event->modifiers() & Qt::ControlModifier) {
        ZoomAt(event->position().toPoint(), notches > 0);
        return;
    }
    m_rules.TurnWheel(notches);
    ShowTolerance();
}

void CCropImageDlg::OnSliderMoved(int position)
{
    m_rules.SetTolerance(position);
    m_pTolerance->setText(m_rules.ToleranceText());
}

void CCropImageDlg::OnToleranceTyped(const QString& text)
{
    // The slider follows a whole value in range; anything else waits for
    // the next fill or OK, which say what is wrong with it.
    bool ok = false;
    const int typed = text.toInt(&ok);
    if (!ok || typed < CCropRules::minimumTolerance || typed > CCropRules::maximumTolerance)
        return;
    m_rules.SetTolerance(typed);
    const QSignalBlocker blocker(m_pSlider);
    m_pSlider->setValue(typed);
}

void CCropImageDlg::OnColorChosen(COLORREF color)
{
    m_rules.SetClipColor(color);
    m_pCanvas->SetClipColor(color);
}

void CCropImageDlg::ShowTolerance()
{
    const QSignalBlocker blocker(m_pSlider);
    m_pSlider->setValue(m_rules.Tolerance());
    m_pTolerance->setText(m_rules.ToleranceText());
}

void CCropImageDlg::FillAt(QPoint window)
{
    if (const CFieldRefusal refusal = m_rules.TakeValues(m_pTolerance->text(), m_pPenDiameter->text()); refusal.field) {
        Refuse(refusal);
        return;
    }
    ShowTolerance();
    m_mask.FillSelect(m_pCanvas->PicturePoint(window), m_rules.Tolerance());
    Repaint();
}

void CCropImageDlg::Stroke(QPoint window, bool erase, bool continuing)
{
    // A diameter being typed counts once it is whole; until then the last one.
    m_rules.TakeValues(m_pTolerance->text(), m_pPenDiameter->text());
    m_mask.PenStroke(m_pCanvas->PicturePoint(window), m_rules.PenDiameter(), erase, continuing);
    Repaint();
}

void CCropImageDlg::ZoomAt(QPoint window, bool in)
{
    const int fit = m_pCanvas->FitZoom(), zoom = m_pCanvas->Zoom();
    const int next = in ? CCropRules::ZoomIn(zoom, fit) : CCropRules::ZoomOut(zoom, fit);
    if (next != zoom)
        m_pCanvas->SetZoom(next, window);
}

void CCropImageDlg::UpdateCursor()
{
    switch (ActiveTool()) {
    case CCropRules::fillPaint: m_pCanvas->viewport()->setCursor(CArtwork::Cursor(CursorKind::FillPaint)); break;
    case CCropRules::drawingPen:
        m_pCanvas->viewport()->setCursor(CArtwork::Cursor(m_bErasing ? CursorKind::PenErase : CursorKind::Pen));
        break;
    case CCropRules::scroll: m_pCanvas->viewport()->setCursor(CArtwork::Cursor(CursorKind::Scroll)); break;
    case CCropRules::zoom: m_pCanvas->viewport()->setCursor(CArtwork::Cursor(CursorKind::Zoom)); break;
    }
}

bool CCropImageDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (OnKey(event))
        return true;
    return CBaseDlg::eventFilter(watched, event);
}

bool CCropImageDlg::OnKey(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Control && type != QEvent::ShortcutOverride) {
        m_bControlScroll = type == QEvent::KeyPress;
        UpdateCursor();
        return false;
    }
    const bool control = key->modifiers() & Qt::ControlModifier;
    if (!control || (key->key() != Qt::Key_Z && key->key() != Qt::Key_Y))
        return false;
    // Claimed before an edit can take it as its own shortcut.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (type == QEvent::KeyPress)
        key->key() == Qt::Key_Z ? Undo() : Redo();
    return true;
}

void CCropImageDlg::accept()
{
    if (const CFieldRefusal refusal = m_rules.TakeValues(m_pTolerance->text(), m_pPenDiameter->text()); refusal.field) {
        Refuse(refusal);
        return;
    }
    CBaseDlg::accept();
}
