#pragma once

#include "CAddEntryDlg.h"

// "Add Frame" and "Add Symbol": a picture file becomes a frame or symbol of
// the library, a 24-bit picture whose pixels of the transparency key's
// colour are left out where it is placed. "Transparent" marks such pixels.
class CAddSymbolDlg : public CAddEntryDlg
{
    Q_OBJECT

public:
    // kind: CLibraryModel::frame or CLibraryModel::symbol; resolution: the
    // document's, in dots per inch; folder: the kind's library.
    CAddSymbolDlg(int kind, CAppSettings& settings, int resolution, const QString& folder, QWidget* parent = nullptr);

    bool LoadFile(const QString& path, const QString& pluginFolder, QString* error) override;
    int Kind() const { return m_nKind; }

public slots:
    // Opens the Crop Image dialog on the picture; what it marks becomes
    // transparent.
    void Transparent();

protected:
    std::unique_ptr<CDibObj> BuildEntry(CSize size) override;

private:
    int m_nKind;
};
