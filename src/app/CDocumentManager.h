#pragma once

#include "view/ICommandTarget.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <vector>

class CRecentFileList;
class CVeldraDoc;
class QWidget;

// The one document's life: new, open, save, save as, the question before
// its changes are thrown away, its title, and the recent files.
class CDocumentManager : public ICommandTarget
{
    Q_DECLARE_TR_FUNCTIONS(CDocumentManager)

public:
    CDocumentManager(CVeldraDoc& doc, CRecentFileList& recent, QWidget* window);

    // Called after the document was emptied or loaded, for the view to bind
    // to it again.
    void SetInitialUpdate(std::function<void()> update) { m_initialUpdate = std::move(update); }
    // Called whenever the title may have changed.
    void SetTitleChanged(std::function<void()> changed) { m_titleChanged = std::move(changed); }
    // What the New command does once the new layout is up: the plate's
    // material setup.
    void SetNewLayoutSetup(std::function<void()> setup) { m_newLayoutSetup = std::move(setup); }
    // Called when the layout was saved, or replaced by a new or opened one:
    // what was kept of its unsaved changes is no longer needed.
    // replaced: true for a new or opened layout, false for a save.
    void AddSettledListener(std::function<void(bool replaced)> settled) { m_settled.push_back(std::move(settled)); }

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

    bool NewDocument();
    void NewFromCommand();
    // Opens a document file; tells the user when it cannot. A failed open
    // leaves the open document, its name and its view as they were.
    bool OpenDocument(const QString& path);
    // Opens a recovery file as the layout at originalPath (empty: untitled),
    // modified, so that the next Save goes where the user expects.
    bool OpenRecovered(const QString& file, const QString& originalPath);
    bool Save();
    bool SaveAs();
    // Asks about unsaved changes; false when the user cancels.
    bool SaveModified();

    const QString& PathName() const { return m_strPathName; }
    // "name.vlz" or "Untitled".
    QString Title() const;

    static QString FileFilter();

private:
    bool DoSave(const QString& path);
    bool Load(const QString& file, const QString& pathName);
    void Settled(bool replaced);
    void SetPathName(const QString& path);
    void OpenRecent(int index);

    CVeldraDoc& m_doc;
    CRecentFileList& m_recent;
    QWidget* m_pWindow;
    QString m_strPathName;
    std::function<void()> m_initialUpdate;
    std::function<void()> m_titleChanged;
    std::function<void()> m_newLayoutSetup;
    std::vector<std::function<void(bool)>> m_settled;
};
