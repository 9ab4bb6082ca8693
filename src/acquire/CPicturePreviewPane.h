#pragma once

#include "document/CPlateLook.h"

#include <QImage>
#include <QWidget>

class QCheckBox;
class QLabel;

// Beside the Import file list: the highlighted picture as it will land on
// the layout's plate, and "Engrave the dark parts", which turns a drawing
// around (white engraves) as it is imported.
class CPicturePreviewPane : public QWidget
{
    Q_OBJECT

public:
    static constexpr int previewSide = 160;

    CPicturePreviewPane(const CPlateLook& plate, const QString& pluginFolder, bool engraveDark,
                        QWidget* parent = nullptr);

    // "Engrave the dark parts", as every place a picture comes in offers it.
    static QCheckBox* NewEngraveDarkBox(QWidget* parent);

    bool EngraveDark() const;
    QCheckBox* EngraveDarkBox() const { return m_pEngraveDark; }
    // What the preview shows; null when the file is no picture.
    const QImage& Preview() const { return m_preview; }

public slots:
    void ShowFile(const QString& path);

private:
    void Redraw();

    CPlateLook m_plate;
    QString m_strPluginFolder;
    QString m_strPath;
    QLabel* m_pPicture = nullptr;
    QCheckBox* m_pEngraveDark = nullptr;
    QImage m_preview;
};
