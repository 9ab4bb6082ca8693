#pragma once

#include "CPreviewRules.h"

#include "settings/CAppSettings.h"
#include "output/CPreviewPicture.h"
#include "view/controls/CBaseDlg.h"

#include <cstdint>
#include <functional>
#include <vector>

class CPreviewPictureWnd;
class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

// "Preview": the plate as the engraver will mark it, with the engraver's
// brightness, contrast and gamma to try out, at 100 %, 200 % or 400 %.
// The caller sets the adjustments after making it and reads them and the
// zoom back on OK.
class CPreviewDlg : public CBaseDlg
{
    Q_OBJECT

public:
    // Prints with the values handed over and answers the values the
    // printer has afterwards (its properties may have changed them).
    using PrintHandler = std::function<CEngraverAdjustments(const CEngraverAdjustments&)>;

    struct Plate
    {
        const std::vector<std::uint8_t>& grey; // width x height values, rows top down
        int width = 0;
        int height = 0;
    };

    // zoomSetting: the stored zoom; colours: grey 0 and grey 255;
    // placement: where the dialog was left, written back as it closes.
    CPreviewDlg(const Plate& plate, int zoomSetting, COLORREF colour0, COLORREF colour1,
                CAppSettings::WindowPlacement& placement, QWidget* parent = nullptr);

    void SetAdjustments(const CEngraverAdjustments& adjustments);
    CEngraverAdjustments Adjustments() const { return m_rules.Values(); }
    int Zoom() const { return m_rules.Zoom(); }
    void SetPrintHandler(PrintHandler handler) { m_print = std::move(handler); }

    // A plate with no pixels, or fewer grey values than it has, ends the
    // dialog at once as if it was cancelled.
    bool HasPlate() const;
    int exec() override;

    CPreviewPictureWnd* Picture() const { return m_pPicture; }

public slots:
    void accept() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildStrip();
    QLayout* BuildAdjustment(const QString& label, QLineEdit* edit, QScrollBar* bar, const char* frameName);
    void ConnectBar(QScrollBar* bar, void (CPreviewRules::*move)(CPreviewRules::BarMove, int));
    void ConnectEdit(QLineEdit* edit, void (CPreviewRules::*type)(const QString&));
    void RestoreOrDefaultPlacement();
    void OnZoomChosen(int index);
    void OnSetStandard();
    void OnPrint();
    void ShowValues();
    void ShowBars();
    void ValuesChanged();

    CPreviewRules m_rules;
    CPreviewPicture m_picture;
    Plate m_plate;
    COLORREF m_crColour0;
    COLORREF m_crColour1;
    CAppSettings::WindowPlacement& m_placement;
    PrintHandler m_print;
    bool m_bShown = false;

    QComboBox* m_pZoom;
    QLineEdit* m_pBrightness;
    QLineEdit* m_pContrast;
    QLineEdit* m_pGamma;
    QScrollBar* m_pBrightnessBar;
    QScrollBar* m_pContrastBar;
    QScrollBar* m_pGammaBar;
    CPreviewPictureWnd* m_pPicture;
};
