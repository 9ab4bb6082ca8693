#pragma once

#include "CDataSource.h"
#include "CRecordLayout.h"

#include "document/IDocumentObserver.h"

#include <QCoreApplication>

#include <memory>
#include <optional>
#include <vector>

class CPlateRenderer;
class CVeldraDoc;

// The record the window shows: the data source chosen for the layout, the
// record number, and a copy of the layout holding that record's values,
// made again whenever the layout changes (a hint, or a stamp that no longer
// matches: drags tell nobody). The view, the preview and
// "Output to Bmp" render the copy while a source is chosen; the layout
// itself keeps its fields.
class CRecordDisplay : public IDocumentObserver
{
    Q_DECLARE_TR_FUNCTIONS(CRecordDisplay)

public:
    explicit CRecordDisplay(CVeldraDoc& doc);
    ~CRecordDisplay();
    CRecordDisplay(const CRecordDisplay&) = delete;
    CRecordDisplay& operator=(const CRecordDisplay&) = delete;

    // Uses the source from record 1 on; false, with the reason (a field
    // naming a missing column, listing the columns; a malformed field; no
    // records), when the layout cannot take its records: nothing changes then.
    bool SetSource(CDataSource source, QString* error);
    void Clear();
    bool IsActive() const { return m_source.has_value(); }
    const CDataSource* Source() const { return m_source ? &*m_source : nullptr; }

    int Record() const { return m_record; }
    int RecordCount() const { return m_source ? m_source->RecordCount() : 0; }
    // Shows another record (clamped to the source's); false, with the
    // reason, when its values cannot be written in their texts.
    bool ShowRecord(int record, QString* error = nullptr);

    // The copy with the shown record, made again when the layout or its
    // device changed; null when no source is chosen or the layout's fields
    // cannot be filled now (LastError says why).
    CRecordLayout* Shown();
    const QString& LastError() const { return m_lastError; }
    // The records whose text is shrunk to fit its box (the first few
    // thousand records are looked at). Measured again here, not when the
    // copy is made again for a paint: a drag would measure every record.
    const std::vector<int>& ShrunkRecords();

    void OnUpdate(void* sender, int hint, CSymbolObj* object) override;

private:
    bool Rebuild(QString* error);
    bool IsStale() const;
    // Finds the shrunk records with the copy, then shows the record again.
    void FindShrunk(CRecordLayout& layout, const CDataSource& source);

    CVeldraDoc& m_doc;
    std::optional<CDataSource> m_source;
    std::unique_ptr<CRecordLayout> m_pLayout;
    int m_record = 1;
    bool m_bStale = true;
    // The layout as the copy was made from it (CLayoutStamp).
    QByteArray m_stamp;
    QString m_lastError;
    std::vector<int> m_shrunk;
    bool m_bShrunkStale = false;
};
