#pragma once

#include "library/window/CLibraryWindowLink.h"
#include "view/ICommandTarget.h"

#include <QCoreApplication>
#include <QString>

class CCommandRouter;
class CVeldraApp;
class CVeldraDoc;
class QWidget;

// The library's commands: inserting a material, frame or symbol from its
// library window, adding entries to the libraries from picture files, and
// Material Setup. Holds the layout's link to the open library window.
class CLibraryCommands : public ICommandTarget
{
    Q_DECLARE_TR_FUNCTIONS(CLibraryCommands)

public:
    CLibraryCommands(CVeldraApp& app, CVeldraDoc& doc, CCommandRouter& router, QWidget* window);

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

    // The library window of a kind as a chooser: the chosen entry's name, or
    // an empty string when it was cancelled.
    QString ChooseEntry(int kind, QWidget* parent);
    // Puts the library entry of a kind and name on the plate; tells the user
    // when its file cannot be read.
    bool InsertEntry(int kind, const QString& name);

    const CLibraryWindowLink& Link() const { return m_link; }

private:
    QString Folder(int kind) const;

    CVeldraApp& m_app;
    CVeldraDoc& m_doc;
    CCommandRouter& m_router;
    QWidget* m_pWindow;
    CLibraryWindowLink m_link;
};
