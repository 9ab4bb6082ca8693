#include "CRecoveryLink.h"

#include "CRecoveryDlg.h"

#include "settings/CAppSettings.h"
#include "app/CDocumentManager.h"

CRecoveryLink::CRecoveryLink(CVeldraDoc& doc, CDocumentManager& documents, const CAppSettings& settings,
                             QWidget* window, CRecoveryStore store)
    : m_doc(doc)
    , m_documents(documents)
    , m_pWindow(window)
    , m_session(std::move(store))
    , m_autosaver(doc, m_session,
                  {[&settings] { return settings.textDefaults.autosaveMinutes; },
                   [&documents] { return documents.Title(); }, [&documents] { return documents.PathName(); }})
{
    m_documents.AddSettledListener([this](bool) { m_autosaver.Settled(); });
}

bool CRecoveryLink::OfferRecovery()
{
    m_session.Store().PruneStaleLocks();
    const QList<CRecoveryStore::Entry> orphans = m_session.Store().Orphans();
    if (orphans.isEmpty())
        return false;
    const CRecoveryStore store = m_session.Store();
    CRecoveryDlg dialog(orphans, [store](const QString& id) { return store.Discard(id); }, m_pWindow);
    if (dialog.exec() != QDialog::Accepted || !dialog.Chosen())
        return false;
    return Recover(*dialog.Chosen());
}

// What was kept is this program's to keep from now on: it is written to
// this program's own recovery file before the old one goes.
bool CRecoveryLink::Recover(const CRecoveryStore::Entry& entry)
{
    const CRecoveryStore& store = m_session.Store();
    if (!m_documents.OpenRecovered(store.DocumentFile(entry.id), entry.originalPath))
        return false;
    if (m_autosaver.Tick())
        store.Discard(entry.id);
    return true;
}
