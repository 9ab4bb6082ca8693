#pragma once

#include "CAddEntryDlg.h"

#include "acquire/CVectorPicture.h"

// "Add Frame" and "Add Symbol": a picture file becomes a frame or symbol of
// the library, a 24-bit picture whose pixels of the transparency key's
// colour are left out where it is placed. "Transparent" marks such pixels;
// "Engrave the dark parts" turns a drawing around (white engraves), and is
// kept for the next picture of the kind. A vector picture (SVG, PDF) is
// drawn again at the dots of the size it is added at, never resampled.
class CAddSymbolDlg : public CAddEntryDlg
{
    Q_OBJECT

public:
    // kind: CLibraryModel::frame or CLibraryModel::symbol; resolution: the
    // document's, in dots per inch; folder: the kind's library.
    CAddSymbolDlg(int kind, CAppSettings& settings, int resolution, const QString& folder, QWidget* parent = nullptr);

    bool LoadFile(const QString& path, const QString& pluginFolder, QString* error) override;
    int Kind() const { return m_nKind; }
    QCheckBox* EngraveDark() const { return m_pEngraveDark; }

public slots:
    // Opens the Crop Image dialog on the picture; what it marks becomes
    // transparent.
    void Transparent();

protected:
    std::unique_ptr<CDibObj> BuildEntry(CSize size) override;
    void OnWriting() override;

private:
    QGridLayout* BuildEngraveDarkRow();
    void OnEngraveDark();
    bool& RememberedEngraveDark();
    // The vector picture at a size (0.01 mm) in dots at the document's
    // resolution, turned round when asked.
    bool DrawAt(CSize size, CDibImage& picture) const;

    int m_nKind;
    QCheckBox* m_pEngraveDark = nullptr;
    std::unique_ptr<CVectorPicture> m_pDrawing;
    // Transparent marked pixels of the drawn picture: a new drawing would lose them.
    bool m_bMarked = false;
};
