#pragma once

#include <functional>

class CAppSettings;
class CPlateRenderer;
class CVeldraDoc;
class QWidget;

// Print Preview: shows the plate as the engraver will mark it and lets the
// user try the engraver's adjustments. OK keeps them with the layout;
// Cancel puts back what the engraver had before, even after the dialog's
// Print changed them.
class CPreviewCommand
{
public:
    // print: sends the Print command to the main window and returns once
    // it has run.
    CPreviewCommand(CVeldraDoc& doc, CAppSettings& settings, QWidget* window, std::function<void()> print);

    // True when the user confirmed the dialog. shown: what renders the
    // plate when it is not the layout itself (a record's copy).
    bool Run(CPlateRenderer* shown = nullptr);

private:
    CVeldraDoc& m_doc;
    CAppSettings& m_settings;
    QWidget* m_pWindow;
    std::function<void()> m_print;
};
