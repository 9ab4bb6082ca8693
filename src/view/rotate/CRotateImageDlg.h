#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

// "Rotate Image": the quarter turn to give the selected picture, with a
// small picture showing what each choice does.
class CRotateImageDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CRotateImageDlg(QWidget* parent = nullptr);

    // 0 none, 1 a quarter turn clockwise, 2 half, 3 counter-clockwise.
    int AngleIndex() const;
    void SetAngleIndex(int index);

    // The preview of a choice: a landscape picture turned as the choice turns
    // the user's picture.
    static QPixmap Preview(int angleIndex, int side);

private:
    void ShowPreview();

    QComboBox* m_pAngle;
    QLabel* m_pPreview;
};
