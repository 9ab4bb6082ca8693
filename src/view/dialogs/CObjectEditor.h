#pragma once

#include "document/IObjectEditor.h"

#include <functional>

class CAppSettings;
class CDibObj;
class CSymbolObj;
class QWidget;

// The program's way of editing an object: the properties dialog of its
// kind, opened where the user last left that dialog, in the user's unit.
class CObjectEditor : public IObjectEditor
{
public:
    CObjectEditor(CAppSettings& settings, QWidget* parent);

    bool Edit(CSymbolObj& object) override;
    CTextAttributes NewTextAttributes() const override;
    // Who edits a code's properties (the code dialog needs the layout).
    void SetCodeEditor(std::function<bool(CDibObj&)> editor) { m_codeEditor = std::move(editor); }

private:
    int Unit() const;
    // The text dialogs change their object as the user types, so they get
    // a copy that the object takes over on OK.
    template <class Dialog, class Object>
    bool EditTextCopy(Object& object);
    bool EditPicture(CSymbolObj& object);

    CAppSettings& m_settings;
    QWidget* m_pParent;
    std::function<bool(CDibObj&)> m_codeEditor;
};
