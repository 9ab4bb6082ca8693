#pragma once

#include "CAddEntryDlg.h"

class QLabel;

// "Add Material": a picture file or a scanned picture becomes a material
// of the library, a 1-bit picture. A scanned picture's size follows from
// the resolution it was taken at, which the dialog shows and remembers.
class CAddMaterialDlg : public CAddEntryDlg
{
    Q_OBJECT

public:
    // resolution: the document's, in dots per inch; folder: the material library's.
    CAddMaterialDlg(CAppSettings& settings, int resolution, const QString& folder, QWidget* parent = nullptr);

    bool LoadFile(const QString& path, const QString& pluginFolder, QString* error) override;
    // A scanned picture taken at dpi dots per inch, named "NewShape".
    void SetScannedPicture(const CDibImage& picture, int dpi);

    bool IsScanned() const { return m_bScanned; }
    int ScanResolution() const { return m_nScanDpi; }

protected:
    std::optional<CFieldRefusal> ReadBeforeSize() override;
    std::unique_ptr<CDibObj> BuildEntry(CSize size) override;
    void OnWriting() override;

private:
    QGridLayout* BuildResolutionRow();
    // The opening: a colour picture is brought to 1 bit first (a dialog
    // whose picture cannot be is not shown).
    void Open(const CDibImage& picture, const QString& name, bool scanned);
    void OnResolutionFinished();
    CSize ScanSize() const;

    bool m_bScanned = false;
    CSize m_pixels;
    int m_nScanDpi;
    QLineEdit* m_pResolution = nullptr;
    QLabel* m_pResolutionLabel = nullptr;
};
