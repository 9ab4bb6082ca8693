#include "CDocumentManager.h"

#include "shell/CRecentFileList.h"

#include "document/CDocumentFile.h"
#include "document/CVeldraDoc.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

CDocumentManager::CDocumentManager(CVeldraDoc& doc, CRecentFileList& recent, QWidget* window)
    : m_doc(doc), m_recent(recent), m_pWindow(window)
{
}

QString CDocumentManager::FileFilter()
{
    return tr("Veldra2 File (*.vlz)");
}

QString CDocumentManager::Title() const
{
    return m_strPathName.isEmpty() ? tr("Untitled") : QFileInfo(m_strPathName).fileName();
}

bool CDocumentManager::OnCommand(CommandId id)
{
    const int mru = int(id) - int(CommandId::FileMruFirst);
    switch (id) {
    case CommandId::FileNew: NewFromCommand(); return true;
    case CommandId::FileOpen: {
        if (!SaveModified())
            return true;
        const QString path = QFileDialog::getOpenFileName(m_pWindow, tr("Open"), QFileInfo(m_strPathName).path(),
                                                          FileFilter() + QStringLiteral(";;") + tr("All files (*)"));
        if (!path.isEmpty())
            OpenDocument(path);
        return true;
    }
    case CommandId::FileSave: Save(); return true;
    case CommandId::FileSaveAs: SaveAs(); return true;
    default:
        if (mru >= 0 && id <= CommandId::FileMruLast) {
            OpenRecent(mru);
            return true;
        }
        return false;
    }
}

bool CDocumentManager::OnUpdateCommand(CommandId id, CCommandState& state)
{
    switch (id) {
    case CommandId::FileNew:
    case CommandId::FileOpen:
    case CommandId::FileSave:
    case CommandId::FileSaveAs:
        return true;
    default:
        if (id >= CommandId::FileMruFirst && id <= CommandId::FileMruLast) {
            state.enabled = int(id) - int(CommandId::FileMruFirst) < m_recent.Count();
            return true;
        }
        return false;
    }
}

void CDocumentManager::SetPathName(const QString& path)
{
    m_strPathName = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    if (!m_strPathName.isEmpty())
        m_recent.Add(m_strPathName);
    if (m_titleChanged)
        m_titleChanged();
}

bool CDocumentManager::NewDocument()
{
    if (!SaveModified())
        return false;
    m_doc.SetModifiedFlag(false);
    m_doc.OnNewDocument();
    m_strPathName.clear();
    if (m_titleChanged)
        m_titleChanged();
    if (m_initialUpdate)
        m_initialUpdate();
    m_doc.SetModifiedFlag(false);
    Settled(true);
    return true;
}

void CDocumentManager::Settled(bool replaced)
{
    for (const auto& settled : m_settled)
        settled(replaced);
}

// New as the user asks for it: the new layout starts with the material
// setup, and is still unmodified afterwards.
void CDocumentManager::NewFromCommand()
{
    if (!NewDocument() || !m_newLayoutSetup)
        return;
    m_newLayoutSetup();
    m_doc.SetModifiedFlag(false);
}

bool CDocumentManager::OpenDocument(const QString& path)
{
    return Load(path, path);
}

bool CDocumentManager::OpenRecovered(const QString& file, const QString& originalPath)
{
    if (!Load(file, originalPath))
        return false;
    m_doc.SetModifiedFlag(true);
    if (m_titleChanged)
        m_titleChanged();
    return true;
}

bool CDocumentManager::Load(const QString& file, const QString& pathName)
{
    if (!SaveModified())
        return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const CDocumentFile::Result result = CDocumentFile::Open(m_doc, file);
    QGuiApplication::restoreOverrideCursor();
    if (!result.ok) {
        // The layout that was open stays open, as it was.
        QMessageBox::warning(m_pWindow, QCoreApplication::applicationName(), result.message);
        return false;
    }
    SetPathName(pathName);
    if (m_initialUpdate)
        m_initialUpdate();
    m_doc.SetModifiedFlag(false);
    Settled(true);
    return true;
}

void CDocumentManager::OpenRecent(int index)
{
    const QString path = m_recent.Path(index);
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        QMessageBox::warning(m_pWindow, QCoreApplication::applicationName(),
                             tr("%1\nCannot find this file.\nPlease verify that the correct path and file name are given.")
                                 .arg(path));
        m_recent.Remove(index);
        return;
    }
    OpenDocument(path);
}

bool CDocumentManager::DoSave(const QString& path)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const CDocumentFile::Result result = CDocumentFile::Save(m_doc, path);
    QGuiApplication::restoreOverrideCursor();
    if (!result.ok) {
        QMessageBox::warning(m_pWindow, QCoreApplication::applicationName(), result.message);
        return false;
    }
    SetPathName(path);
    Settled(false);
    return true;
}

bool CDocumentManager::Save()
{
    return m_strPathName.isEmpty() ? SaveAs() : DoSave(m_strPathName);
}

bool CDocumentManager::SaveAs()
{
    QFileDialog dialog(m_pWindow, tr("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("vlz"));
    dialog.setNameFilter(FileFilter());
    dialog.selectFile(m_strPathName.isEmpty() ? tr("Untitled") : m_strPathName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return DoSave(dialog.selectedFiles().constFirst());
}

bool CDocumentManager::SaveModified()
{
    if (!m_doc.IsModified())
        return true;
    const auto answer = QMessageBox::question(m_pWindow, QCoreApplication::applicationName(),
                                              tr("Save changes to %1?").arg(Title()),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        return false;
    return answer == QMessageBox::No || Save();
}
