#pragma once

#include "acquire/scan/ScanTypes.h"

#include <QDialog>

#include <memory>

class CScanPreview;
class CScanRunner;
class CScanSession;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

// Our scan window in place of a scanner's own: the device, resolution,
// mode and area (marked on a quick preview scan), then Scan. Scans run off
// the window's thread with a progress bar; Cancel stops a scan, or closes
// the window when none runs. OK comes with a picture.
class CScanDlg : public QDialog
{
    Q_OBJECT

public:
    // startResolution, startMode: offered first when the device has them
    // (the user's last choices).
    CScanDlg(const QString& device, int startResolution, const QString& startMode = QString(),
             QWidget* parent = nullptr);
    ~CScanDlg() override;

    // False (with the reason) when the device could not be opened: the
    // window is then not shown.
    bool IsReady() const { return m_bReady; }
    const QString& Error() const { return m_strError; }

    // The scanned picture and its resolution, after OK.
    ScanResult TakeResult() { return std::move(m_result); }

    ScanOptions Options() const;
    CScanPreview* Preview() const { return m_pPreview; }
    QComboBox* Resolutions() const { return m_pResolution; }
    QComboBox* Modes() const { return m_pMode; }
    QPushButton* ScanButton() const { return m_pScan; }
    QPushButton* PreviewButton() const { return m_pPreviewButton; }
    bool IsScanning() const;

public slots:
    void StartPreview();
    void StartScan();
    void reject() override;

private:
    void BuildControls(const QString& device, int startResolution, const QString& startMode);
    void Run(const ScanOptions& options, bool preview);
    void OnFinished(const std::shared_ptr<ScanResult>& result);
    void SetBusy(bool busy);
    // A cancelled session stays cancelled: the next scan gets a fresh one.
    bool Reopen();

    QString m_strDevice;
    std::unique_ptr<CScanSession> m_pSession;
    CScanRunner* m_pRunner;
    ScanCapabilities m_caps;
    ScanResult m_result;
    bool m_bReady = false;
    bool m_bPreviewing = false;
    QString m_strError;
    CScanPreview* m_pPreview = nullptr;
    QComboBox* m_pResolution = nullptr;
    QComboBox* m_pMode = nullptr;
    QLabel* m_pStatus = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QPushButton* m_pPreviewButton = nullptr;
    QPushButton* m_pScan = nullptr;
    QPushButton* m_pCancel = nullptr;
};
