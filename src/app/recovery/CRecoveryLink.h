#pragma once

#include "CAutosaver.h"
#include "CRecoverySession.h"

#include <QCoreApplication>

class CAppSettings;
class CDocumentManager;
class CVeldraDoc;
class QWidget;

// The window's hold on autosave and recovery: this program's recovery
// session, the autosave timer fed by the user's setting, the document
// manager telling it when a layout was saved or replaced, and at start the
// offer of what programs that did not exit cleanly left behind.
class CRecoveryLink
{
    Q_DECLARE_TR_FUNCTIONS(CRecoveryLink)

public:
    CRecoveryLink(CVeldraDoc& doc, CDocumentManager& documents, const CAppSettings& settings, QWidget* window,
                  CRecoveryStore store = CRecoveryStore());

    // Shows the recovery dialog when there is anything to offer; true when
    // a layout was recovered (it is then open, modified, under its own path).
    bool OfferRecovery();
    CAutosaver& Autosaver() { return m_autosaver; }
    CRecoverySession& Session() { return m_session; }

private:
    bool Recover(const CRecoveryStore::Entry& entry);

    CVeldraDoc& m_doc;
    CDocumentManager& m_documents;
    QWidget* m_pWindow;
    CRecoverySession m_session;
    CAutosaver m_autosaver;
};
