#pragma once

#include "ICommandTarget.h"

class CDibObj;
class CVeldraView;

// The Edit and Object commands on the view's selection: the clipboard,
// Delete, Move Center, and the picture commands whose dialogs take over
// from here.
class CViewEditCommands : public ICommandTarget
{
public:
    explicit CViewEditCommands(CVeldraView& view) : m_view(view) {}

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

    void Copy();
    void Cut();
    bool Paste();
    void Delete();
    void MoveCenter();
    void EditProperties();
    void RotateImage();
    void CropImage();

private:
    // The selection when it is a picture object.
    CDibObj* SelectedPicture() const;

    CVeldraView& m_view;
};
