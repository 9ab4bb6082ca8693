#include "CPreviewDlg.h"

#include "CPreviewPictureWnd.h"

#include "view/controls/CUnitFormat.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int barMinimumWidth = 120;

CPreviewRules::BarMove BarMoveOf(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return CPreviewRules::BarMove::LineLeft;
    case QAbstractSlider::SliderSingleStepAdd: return CPreviewRules::BarMove::LineRight;
    case QAbstractSlider::SliderPageStepSub: return CPreviewRules::BarMove::PageLeft;
    case QAbstractSlider::SliderPageStepAdd: return CPreviewRules::BarMove::PageRight;
    case QAbstractSlider::SliderToMinimum: return CPreviewRules::BarMove::Left;
    case QAbstractSlider::SliderToMaximum: return CPreviewRules::BarMove::Right;
    default: return CPreviewRules::BarMove::Track;
    }
}

QScrollBar* MakeBar(int minimum, int maximum, const char* name, QWidget* parent)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(minimum, maximum);
    bar->setMinimumWidth(barMinimumWidth);
    // A value to set, not a view to scroll: reached with Tab, and its keys
    // and wheel move the way they point.
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(false);
    return bar;
}

QLineEdit* MakeEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(CPreviewRules::editMaxChars);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-0000")) + 12);
    return edit;
}

QPushButton* MakeButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

// No lengths are shown here; the unit is only what the base asks for.
CPreviewDlg::CPreviewDlg(const Plate& plate, int zoomSetting, COLORREF colour0, COLORREF colour1,
                         CAppSettings::WindowPlacement& placement, QWidget* parent)
    : CBaseDlg(CUnitFormat::millimetres, parent, Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_rules(zoomSetting)
    , m_plate(plate)
    , m_crColour0(colour0)
    , m_crColour1(colour1)
    , m_placement(placement)
    , m_pZoom(new QComboBox(this))
    , m_pBrightness(MakeEdit("1114", this))
    , m_pContrast(MakeEdit("1115", this))
    , m_pGamma(MakeEdit("1118", this))
    , m_pBrightnessBar(MakeBar(CPreviewRules::adjustmentMinimum, CPreviewRules::adjustmentMaximum, "1117", this))
    , m_pContrastBar(MakeBar(CPreviewRules::adjustmentMinimum, CPreviewRules::adjustmentMaximum, "1116", this))
    , m_pGammaBar(MakeBar(CPreviewRules::gammaMinimum, CPreviewRules::gammaMaximum, "1119", this))
    , m_pPicture(new CPreviewPictureWnd(m_picture, plate.grey, plate.width, plate.height, this))
{
    setWindowTitle(tr("Preview"));
    setSizeGripEnabled(true);
    m_pPicture->setObjectName(QStringLiteral("59648"));
    m_pPicture->setMinimumSize(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildStrip());
    layout->addWidget(m_pPicture, 1);

    m_picture.SetAdjustments(m_rules.Values());
    m_pPicture->SetZoom(m_rules.Zoom(), m_crColour0, m_crColour1);
    ShowValues();
    ConnectBar(m_pBrightnessBar, &CPreviewRules::MoveBrightness);
    ConnectBar(m_pContrastBar, &CPreviewRules::MoveContrast);
    ConnectBar(m_pGammaBar, &CPreviewRules::MoveGamma);
    ConnectEdit(m_pBrightness, &CPreviewRules::TypeBrightness);
    ConnectEdit(m_pContrast, &CPreviewRules::TypeContrast);
    ConnectEdit(m_pGamma, &CPreviewRules::TypeGamma);
    RestoreOrDefaultPlacement();
}

QWidget* CPreviewDlg::BuildStrip()
{
    auto* strip = new QWidget(this);
    strip->setBackgroundRole(QPalette::Button);
    strip->setAutoFillBackground(true);

    m_pZoom->setObjectName(QStringLiteral("1106"));
    m_pZoom->addItems({tr(" 100%"), tr(" 200%"), tr(" 400%")});
    m_pZoom->setCurrentIndex(CPreviewRules::IndexOfZoom(m_rules.Zoom()));
    connect(m_pZoom, &QComboBox::currentIndexChanged, this, &CPreviewDlg::OnZoomChosen);
    auto* zoomLabel = new QLabel(tr("&Zoom"), strip);
    zoomLabel->setBuddy(m_pZoom);
    auto* zoom = new QVBoxLayout;
    zoom->addWidget(zoomLabel);
    zoom->addWidget(m_pZoom);
    zoom->addStretch();

    auto* standard = MakeButton(tr("&Set Standard"), "1109", strip);
    auto* print = MakeButton(tr("&Print..."), "1107", strip);
    connect(standard, &QPushButton::clicked, this, &CPreviewDlg::OnSetStandard);
    connect(print, &QPushButton::clicked, this, &CPreviewDlg::OnPrint);
    auto* ok = MakeButton(tr("OK"), "1", strip);
    auto* cancel = MakeButton(tr("Cancel"), "2", strip);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CPreviewDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CPreviewDlg::reject);
    auto* buttons = new QGridLayout;
    buttons->addWidget(standard, 0, 0);
    buttons->addWidget(print, 1, 0);
    buttons->addWidget(ok, 0, 1);
    buttons->addWidget(cancel, 1, 1);

    auto* row = new QHBoxLayout;
    row->addLayout(zoom);
    row->addLayout(BuildAdjustment(tr("&Brightness"), m_pBrightness, m_pBrightnessBar, "1136"));
    row->addLayout(BuildAdjustment(tr("Con&trast"), m_pContrast, m_pContrastBar, "1137"));
    row->addLayout(BuildAdjustment(tr("&Gamma"), m_pGamma, m_pGammaBar, "1139"));
    row->addStretch();
    row->addLayout(buttons);

    auto* separator = new QFrame(strip);
    separator->setObjectName(QStringLiteral("1113"));
    separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    auto* column = new QVBoxLayout(strip);
    column->setContentsMargins(6, 6, 6, 0);
    column->addLayout(row);
    column->addWidget(separator);
    return strip;
}

QLayout* CPreviewDlg::BuildAdjustment(const QString& label, QLineEdit* edit, QScrollBar* bar, const char* frameName)
{
    auto* caption = new QLabel(label, this);
    caption->setBuddy(edit);
    // The frame hugs its bar with 2 pixels to spare, as a group for the eye.
    auto* frame = new QFrame(this);
    frame->setObjectName(QLatin1String(frameName));
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* inside = new QHBoxLayout(frame);
    inside->setContentsMargins(2, 2, 2, 2);
    inside->addWidget(bar);
    auto* grid = new QGridLayout;
    grid->addWidget(caption, 0, 0);
    grid->addWidget(edit, 0, 1);
    grid->addWidget(frame, 1, 0, 1, 2);
    return grid;
}

void CPreviewDlg::ConnectBar(QScrollBar* bar, void (CPreviewRules::*move)(CPreviewRules::BarMove, int))
{
    // Each move is worked out from the value, not the bar: the gamma bar's
    // steps depend on which side of 1.0 it stands.
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, move](int action) {
        if (action == QAbstractSlider::SliderNoAction)
            return;
        (m_rules.*move)(BarMoveOf(action), bar->sliderPosition());
        ShowValues();
        ValuesChanged();
    });
}

void CPreviewDlg::ConnectEdit(QLineEdit* edit, void (CPreviewRules::*type)(const QString&))
{
    // Only what the user types: a text shown from the value must not be
    // read back into it.
    connect(edit, &QLineEdit::textEdited, this, [this, type](const QString& text) {
        (m_rules.*type)(text);
        ShowBars();
        ValuesChanged();
    });
}

void CPreviewDlg::RestoreOrDefaultPlacement()
{
    if (!m_placement.NormalRect().IsEmpty()) {
        RestorePlacement(m_placement);
        return;
    }
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const int marginX = area.width() / 6;
    const int marginY = area.height() / 6;
    setGeometry(area.adjusted(marginX, marginY, -marginX, -marginY));
}

void CPreviewDlg::SetAdjustments(const CEngraverAdjustments& adjustments)
{
    m_rules.SetValues(adjustments);
    ShowValues();
    ValuesChanged();
}

bool CPreviewDlg::HasPlate() const
{
    return m_plate.width >= 1 && m_plate.height >= 1 &&
           m_plate.grey.size() >= std::size_t(m_plate.width) * std::size_t(m_plate.height);
}

int CPreviewDlg::exec()
{
    if (!HasPlate()) {
        setResult(Rejected);
        return Rejected;
    }
    return CBaseDlg::exec();
}

void CPreviewDlg::showEvent(QShowEvent* event)
{
    CBaseDlg::showEvent(event);
    // The picture window has its size only now.
    if (!m_bShown) {
        m_bShown = true;
        m_pPicture->ScrollToCentre();
    }
}

void CPreviewDlg::OnZoomChosen(int index)
{
    const int oldZoom = m_rules.Zoom();
    const CPoint position = m_pPicture->GetScrollPosition();
    m_rules.SetZoom(CPreviewRules::ZoomAtIndex(index));
    m_pPicture->SetZoom(m_rules.Zoom(), m_crColour0, m_crColour1);
    const CPoint zoomed = CPreviewRules::ZoomedScrollPosition(position, oldZoom, m_rules.Zoom());
    m_pPicture->ScrollTo(zoomed.x, zoomed.y);
}

void CPreviewDlg::OnSetStandard()
{
    m_rules.SetStandard();
    ShowValues();
    ValuesChanged();
}

void CPreviewDlg::OnPrint()
{
    if (!m_print)
        return;
    m_rules.SetValues(m_print(m_rules.Values()));
    ShowValues();
    ValuesChanged();
}

void CPreviewDlg::ShowValues()
{
    const CEngraverAdjustments& values = m_rules.Values();
    m_pBrightness->setText(CPreviewRules::AdjustmentText(values.brightness));
    m_pContrast->setText(CPreviewRules::AdjustmentText(values.contrast));
    m_pGamma->setText(CPreviewRules::GammaText(values.gamma));
    ShowBars();
}

void CPreviewDlg::ShowBars()
{
    const CEngraverAdjustments& values = m_rules.Values();
    m_pBrightnessBar->setValue(values.brightness);
    m_pContrastBar->setValue(values.contrast);
    m_pGammaBar->setValue(values.gamma);
}

void CPreviewDlg::ValuesChanged()
{
    m_picture.SetAdjustments(m_rules.Values());
    m_pPicture->viewport()->update();
}

void CPreviewDlg::accept()
{
    // What the edits say counts, as the user last saw it.
    m_rules.TypeBrightness(m_pBrightness->text());
    m_rules.TypeContrast(m_pContrast->text());
    m_rules.TypeGamma(m_pGamma->text());
    CBaseDlg::accept();
}

void CPreviewDlg::done(int result)
{
    SavePlacement(m_placement);
    CBaseDlg::done(result);
}
