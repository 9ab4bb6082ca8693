#include "CRecordDisplay.h"

#include "CBatchRun.h"
#include "CLayoutStamp.h"

#include "document/CVeldraDoc.h"

#include <QDate>

#include <algorithm>

CRecordDisplay::CRecordDisplay(CVeldraDoc& doc) : m_doc(doc)
{
    m_doc.AddObserver(this);
}

CRecordDisplay::~CRecordDisplay()
{
    m_doc.RemoveObserver(this);
}

bool CRecordDisplay::SetSource(CDataSource source, QString* error)
{
    std::unique_ptr<CRecordLayout> layout = CRecordLayout::Make(m_doc, error);
    if (!layout)
        return false;
    QString why = layout->MissingColumns(source);
    if (why.isEmpty() && source.RecordCount() == 0)
        why = tr("The data holds no records.");
    if (why.isEmpty()) {
        FindShrunk(*layout, source);
        layout->Apply(source, 1, QDate::currentDate(), &why);
    }
    if (!why.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    m_source = std::move(source);
    m_pLayout = std::move(layout);
    m_stamp = CLayoutStamp::Of(m_doc);
    m_record = 1;
    m_bStale = false;
    m_lastError.clear();
    return true;
}

void CRecordDisplay::FindShrunk(CRecordLayout& layout, const CDataSource& source)
{
    // Enough for any tray of plates; a huge file is not measured record by
    // record at every edit.
    constexpr int measuredRecords = 5000;
    m_shrunk = CBatchRun::ShrunkRecords(layout, source, {1, std::min(source.RecordCount(), measuredRecords)},
                                        QDate::currentDate());
    m_bShrunkStale = false;
}

const std::vector<int>& CRecordDisplay::ShrunkRecords()
{
    if (m_bShrunkStale && Shown()) {
        FindShrunk(*m_pLayout, *m_source);
        m_pLayout->Apply(*m_source, m_record, QDate::currentDate(), nullptr);
    }
    return m_shrunk;
}

void CRecordDisplay::Clear()
{
    m_shrunk.clear();
    m_source.reset();
    m_pLayout.reset();
    m_lastError.clear();
}

bool CRecordDisplay::ShowRecord(int record, QString* error)
{
    if (!m_source)
        return false;
    const int wanted = std::clamp(record, 1, std::max(1, m_source->RecordCount()));
    if (m_pLayout && !m_bStale && !m_pLayout->Apply(*m_source, wanted, QDate::currentDate(), error))
        return false;
    m_record = wanted;
    return true;
}

CRecordLayout* CRecordDisplay::Shown()
{
    if (!m_source)
        return nullptr;
    if (IsStale() && !Rebuild(&m_lastError)) {
        m_pLayout.reset();
        return nullptr;
    }
    return m_pLayout.get();
}

bool CRecordDisplay::IsStale() const
{
    return m_bStale || !m_pLayout || CLayoutStamp::Of(m_doc) != m_stamp;
}

bool CRecordDisplay::Rebuild(QString* error)
{
    std::unique_ptr<CRecordLayout> layout = CRecordLayout::Make(m_doc, error);
    if (!layout)
        return false;
    if (const QString missing = layout->MissingColumns(*m_source); !missing.isEmpty()) {
        *error = missing;
        return false;
    }
    m_bShrunkStale = true;
    if (!layout->Apply(*m_source, m_record, QDate::currentDate(), error))
        return false;
    m_pLayout = std::move(layout);
    m_stamp = CLayoutStamp::Of(m_doc);
    m_bStale = false;
    m_lastError.clear();
    return true;
}

void CRecordDisplay::OnUpdate(void*, int, CSymbolObj*)
{
    m_bStale = true;
}
