#pragma once

#include "view/ICommandTarget.h"

#include <QCoreApplication>

class CAppSettings;
class CDibObj;
class CVeldraDoc;
class CVeldraView;
class QWidget;

// Trimming: the selected picture's full-resolution file in the Trimming
// Picture dialog, and the part chosen there made the object's picture.
class CTrimCommand : public ICommandTarget
{
    Q_DECLARE_TR_FUNCTIONS(CTrimCommand)

public:
    CTrimCommand(CAppSettings& settings, CVeldraDoc& doc, CVeldraView& view, QWidget* window);

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

    // True when the picture changed.
    bool Trim();

private:
    // The selection when it is a picture that keeps its full-resolution file.
    CDibObj* TrimmablePicture() const;

    CAppSettings& m_settings;
    CVeldraDoc& m_doc;
    CVeldraView& m_view;
    QWidget* m_pWindow;
};
