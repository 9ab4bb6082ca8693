#pragma once

#include "view/ICommandTarget.h"
#include "view/codes/CCodeRules.h"

#include "codes/CCodeDefinition.h"

class CAppSettings;
class CDibObj;
class CVeldraDoc;
class QWidget;

// Object > Insert > Code... and the properties of a code: the Code dialog,
// then the code placed on the plate's centre or drawn anew.
class CCodeCommand : public ICommandTarget
{
public:
    CCodeCommand(CAppSettings& settings, CVeldraDoc& doc, QWidget* window);

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

    // True when a code was placed.
    bool Insert();
    // A code's properties on the copy the document hands: true when the
    // user confirmed a change.
    bool Edit(CDibObj& code);

private:
    CCodeRules::Encoder Encoder() const;
    int Unit() const;

    CAppSettings& m_settings;
    CVeldraDoc& m_doc;
    QWidget* m_pWindow;
    // The last code confirmed: the next one starts from it.
    CCodeDefinition m_last;
};
