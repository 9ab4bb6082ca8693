#pragma once

#include "CTextBlockRules.h"

#include "view/controls/CBaseDlg.h"

class CGreyColorButton;
class CTextObj;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Text Block": a text block's text, font, colours, margins, edge and
// anti-aliasing, on the caller's working copy. Enter makes a new line in
// the text; Shift+Enter anywhere is OK.
class CTextBlockDlg : public CBaseDlg
{
    Q_OBJECT

public:
    CTextBlockDlg(CTextObj& copy, int unit, QWidget* parent = nullptr);
    ~CTextBlockDlg() override;

    CTextBlockRules& Rules() { return m_rules; }

public slots:
    // Takes the fields; a refused number or an empty text keeps it open.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* BuildTextRow();
    QWidget* BuildSizeGroup();
    QWidget* BuildMarginGroup();
    QWidget* BuildLookGroup();
    void Connect();
    CTextBlockRules::Fields Fields() const;
    void ShowFields();
    void RefreshStates();
    // Text, font and switches change the size the block takes.
    void OnChanged();
    void OnMarginFinished(bool horizontal);
    void OnChangeFont();
    bool IsShiftEnter(const QEvent* event) const;

    CTextBlockRules m_rules;
    QPlainTextEdit* m_pText = nullptr;
    QLabel* m_pFontName = nullptr;
    QPushButton* m_pChangeFont = nullptr;
    CGreyColorButton* m_pFontColor = nullptr;
    QLineEdit* m_pX = nullptr;
    QLineEdit* m_pY = nullptr;
    QLineEdit* m_pWidth = nullptr;
    QLineEdit* m_pHeight = nullptr;
    QLineEdit* m_pMarginX = nullptr;
    QLineEdit* m_pMarginY = nullptr;
    QCheckBox* m_pFill = nullptr;
    CGreyColorButton* m_pBackColor = nullptr;
    QCheckBox* m_pDrawEdge = nullptr;
    CGreyColorButton* m_pEdgeColor = nullptr;
    QCheckBox* m_pThickEdge = nullptr;
    QCheckBox* m_pAntialias = nullptr;
};
