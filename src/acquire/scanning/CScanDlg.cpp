#include "CScanDlg.h"

#include "CScanPreview.h"
#include "CScanRunner.h"

#include "acquire/scan/CScanSession.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The quick look at the whole area: the lowest resolution of at least 50 dpi.
int PreviewResolution(const QList<int>& resolutions)
{
    for (int dpi : resolutions)
        if (dpi >= 50)
            return dpi;
    return resolutions.isEmpty() ? 0 : resolutions.last();
}

// A colour preview when the device has colour, else its first mode.
QString PreviewMode(const QStringList& modes)
{
    for (const QString& mode : modes)
        if (mode.compare(QLatin1String("Color"), Qt::CaseInsensitive) == 0)
            return mode;
    return modes.isEmpty() ? QString() : modes.first();
}

} // namespace

CScanDlg::CScanDlg(const QString& device, int startResolution, const QString& startMode, QWidget* parent)
    : QDialog(parent), m_strDevice(device), m_pSession(std::make_unique<CScanSession>(device)),
      m_pRunner(new CScanRunner(this))
{
    setWindowTitle(tr("Scan"));
    m_bReady = m_pSession->Open(&m_strError);
    if (m_bReady)
        m_caps = m_pSession->Capabilities();
    BuildControls(device, startResolution, startMode);
    connect(m_pRunner, &CScanRunner::progress, m_pProgress, &QProgressBar::setValue);
    connect(m_pRunner, &CScanRunner::finished, this, &CScanDlg::OnFinished);
}

CScanDlg::~CScanDlg()
{
    // The scan stops before the session closes.
    m_pRunner->Stop();
}

void CScanDlg::BuildControls(const QString& device, int startResolution, const QString& startMode)
{
    m_pPreview = new CScanPreview(this);
    m_pPreview->SetArea(m_caps.areaMm);
    m_pResolution = new QComboBox(this);
    m_pResolution->setObjectName(QStringLiteral("Resolution"));
    for (int dpi : m_caps.resolutions)
        m_pResolution->addItem(tr("%1 dpi").arg(dpi), dpi);
    const int start = m_caps.resolutions.contains(startResolution) ? startResolution : m_caps.defaultResolution;
    m_pResolution->setCurrentIndex(std::max(0, m_pResolution->findData(start)));
    m_pMode = new QComboBox(this);
    m_pMode->setObjectName(QStringLiteral("Mode"));
    m_pMode->addItems(m_caps.modes);
    m_pMode->setCurrentText(m_caps.modes.contains(startMode) ? startMode : m_caps.defaultMode);

    auto* form = new QFormLayout;
    form->addRow(tr("Scanner:"), new QLabel(device, this));
    form->addRow(tr("&Resolution:"), m_pResolution);
    form->addRow(tr("&Mode:"), m_pMode);
    m_pStatus = new QLabel(tr("Drag on the preview to scan only a part."), this);
    m_pStatus->setWordWrap(true);
    m_pProgress = new QProgressBar(this);
    m_pProgress->setRange(0, 100);
    m_pProgress->setVisible(false);

    m_pPreviewButton = new QPushButton(tr("Pre&view"), this);
    m_pScan = new QPushButton(tr("&Scan"), this);
    m_pScan->setDefault(true);
    m_pCancel = new QPushButton(tr("Cancel"), this);
    connect(m_pPreviewButton, &QPushButton::clicked, this, &CScanDlg::StartPreview);
    connect(m_pScan, &QPushButton::clicked, this, &CScanDlg::StartScan);
    connect(m_pCancel, &QPushButton::clicked, this, &CScanDlg::reject);

    auto* side = new QVBoxLayout;
    side->addLayout(form);
    side->addWidget(m_pStatus);
    side->addStretch();
    side->addWidget(m_pProgress);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pPreviewButton);
    buttons->addStretch();
    buttons->addWidget(m_pScan);
    buttons->addWidget(m_pCancel);
    side->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pPreview, 1);
    layout->addLayout(side);
}

ScanOptions CScanDlg::Options() const
{
    ScanOptions options;
    options.resolution = m_pResolution->currentData().toInt();
    options.mode = m_pMode->currentText();
    const QRectF area = m_pPreview->Selection();
    options.areaMm = area == m_caps.areaMm ? QRectF() : area;
    return options;
}

bool CScanDlg::IsScanning() const
{
    return m_pRunner->IsRunning();
}

void CScanDlg::StartPreview()
{
    ScanOptions options;
    options.resolution = PreviewResolution(m_caps.resolutions);
    options.mode = PreviewMode(m_caps.modes);
    Run(options, true);
}

void CScanDlg::StartScan()
{
    Run(Options(), false);
}

void CScanDlg::Run(const ScanOptions& options, bool preview)
{
    if (IsScanning())
        return;
    m_bPreviewing = preview;
    SetBusy(true);
    m_pRunner->Start(*m_pSession, options);
}

void CScanDlg::SetBusy(bool busy)
{
    m_pProgress->setValue(0);
    m_pProgress->setVisible(busy);
    m_pStatus->setText(busy ? (m_bPreviewing ? tr("Previewing...") : tr("Scanning...")) : QString());
    for (QWidget* control : std::initializer_list<QWidget*>{m_pPreviewButton, m_pScan, m_pResolution, m_pMode, m_pPreview})
        control->setEnabled(!busy);
    setCursor(busy ? Qt::BusyCursor : Qt::ArrowCursor);
}

void CScanDlg::OnFinished(const std::shared_ptr<ScanResult>& result)
{
    SetBusy(false);
    switch (result->status) {
    case ScanResult::Status::ok:
        if (m_bPreviewing) {
            m_pPreview->SetPicture(result->image.ToQImage());
            m_pStatus->setText(tr("Drag on the preview to scan only a part."));
            return;
        }
        m_result = std::move(*result);
        accept();
        return;
    case ScanResult::Status::cancelled:
        m_pStatus->setText(Reopen() ? tr("The scan was cancelled.") : m_strError);
        return;
    case ScanResult::Status::noDocuments:
        QMessageBox::warning(this, windowTitle(), tr("There is no document in the scanner."));
        return;
    case ScanResult::Status::failed:
        QMessageBox::warning(this, windowTitle(), result->error.isEmpty() ? tr("The scan failed.") : result->error);
        return;
    }
}

bool CScanDlg::Reopen()
{
    m_pSession = std::make_unique<CScanSession>(m_strDevice);
    m_bReady = m_pSession->Open(&m_strError);
    m_pPreviewButton->setEnabled(m_bReady);
    m_pScan->setEnabled(m_bReady);
    return m_bReady;
}

void CScanDlg::reject()
{
    // Cancel stops a running scan first; the window closes when none runs.
    if (IsScanning()) {
        m_pRunner->Cancel();
        return;
    }
    QDialog::reject();
}
