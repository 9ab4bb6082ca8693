#pragma once

#include "CRecoveryStore.h"

#include <QCoreApplication>
#include <QString>

class CVeldraDoc;

// This program's place in the recovery folder: it holds its lock file
// locked from start to exit, writes the layout there on every autosave and
// removes what it wrote when the layout is saved or closed, and at a
// clean exit.
class CRecoverySession
{
    Q_DECLARE_TR_FUNCTIONS(CRecoverySession)

public:
    explicit CRecoverySession(CRecoveryStore store = CRecoveryStore());
    ~CRecoverySession();
    CRecoverySession(const CRecoverySession&) = delete;
    CRecoverySession& operator=(const CRecoverySession&) = delete;

    // False when the folder could not be made or locked: autosave is then off.
    bool IsReady() const { return m_lockFd >= 0; }
    const QString& Id() const { return m_id; }
    const CRecoveryStore& Store() const { return m_store; }

    // The layout as Save writes it, atomically, then what it is; the user's
    // own file is never touched. False, with the reason, when either could
    // not be written (the last complete pair stays).
    bool Write(CVeldraDoc& doc, const QString& title, const QString& originalPath, QString* error = nullptr);
    // Nothing kept any more: the layout was saved or closed.
    void Remove();
    bool HasKept() const;

private:
    bool Lock();

    CRecoveryStore m_store;
    QString m_id;
    int m_lockFd = -1;
};
