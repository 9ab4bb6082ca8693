#pragma once

#include "CAddSizeRules.h"

#include "document/CPlateLook.h"

#include "objects/CDibObj.h"
#include "view/controls/CBaseDlg.h"

#include <QImage>

#include <memory>

class CAppSettings;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// What the Add Material and Add Symbol dialogs share: the name, Keep
// Aspect, the width and height, the preview of the picture object and the
// Add button that writes the entry into the library folder. A refused
// entry or a file that cannot be written keeps the dialog open and says
// why.
class CAddEntryDlg : public CBaseDlg
{
    Q_OBJECT

public:
    static constexpr int previewSide = 128;

    ~CAddEntryDlg() override;

    // Loads a picture file into the dialog; false, with the reason in
    // error, when it cannot be read.
    virtual bool LoadFile(const QString& path, const QString& pluginFolder, QString* error) = 0;
    // Whether there is a picture to add: a dialog without one is not shown.
    bool IsReady() const { return m_pObject != nullptr; }

    const CDibObj* Object() const { return m_pObject.get(); }
    // The file written on Add; empty until then.
    const QString& WrittenPath() const { return m_strWrittenPath; }
    const QImage& Preview() const { return m_preview; }
    // The preview shows the picture as it lands on a plate of these colours.
    void SetPlate(const CPlateLook& plate);

public slots:
    void accept() override;

protected:
    CAddEntryDlg(CAppSettings& settings, int resolution, const QString& folder, QWidget* parent);

    // Lays out the controls; extraRows go under the name (the resolution),
    // extraButton beside Add and Cancel (Transparent).
    void BuildControls(QGridLayout* extraRows, QPushButton* extraButton);
    // The picture object and its name, its starting size W0 x H0 shown.
    void Take(std::unique_ptr<CDibObj> object, CSize start, const QString& name);
    void ShowSize(CSize size);
    void RefreshPreview();

    // The picture at path, its file's name without folder and extension in name.
    static bool LoadPicture(const QString& path, const QString& pluginFolder, CDibImage& picture, QString& name,
                            QString* error);

    // What Add reads before the size (the resolution); a refusal keeps the dialog open.
    virtual std::optional<CFieldRefusal> ReadBeforeSize() { return std::nullopt; }
    // The entry to write at size; null when there is no room for it.
    virtual std::unique_ptr<CDibObj> BuildEntry(CSize size) = 0;
    // Add got as far as writing (whatever comes of it).
    virtual void OnWriting() {}

    CAppSettings& Settings() { return m_settings; }
    int Resolution() const { return m_nResolution; }
    CAddSizeRules& SizeRules() { return m_sizeRules; }
    CDibObj& EditedObject() { return *m_pObject; }
    QCheckBox* KeepAspect() const { return m_pKeepAspect; }
    QLineEdit* WidthEdit() const { return m_pWidth; }
    QLineEdit* HeightEdit() const { return m_pHeight; }

private:
    QWidget* BuildSizeGroup();
    void OnWidthFinished();
    void OnHeightFinished();
    void OnKeepAspect(bool on);
    std::optional<CFieldRefusal> ReadFields(CSize& size);

    CAppSettings& m_settings;
    int m_nResolution;
    QString m_strFolder;
    CAddSizeRules m_sizeRules;
    std::unique_ptr<CDibObj> m_pObject;
    QString m_strWrittenPath;
    QLineEdit* m_pName = nullptr;
    QCheckBox* m_pKeepAspect = nullptr;
    QLineEdit* m_pWidth = nullptr;
    QLineEdit* m_pHeight = nullptr;
    QLabel* m_pPreview = nullptr;
    QPushButton* m_pAdd = nullptr;
    QImage m_preview;
    std::optional<CPlateLook> m_plate; // none: on the dialog's face colour

};
