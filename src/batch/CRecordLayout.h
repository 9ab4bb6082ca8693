#pragma once

#include "CFieldFit.h"
#include "CFieldTemplate.h"
#include "CRecordCodes.h"

#include "document/CPlateRenderer.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CDataSource;
class CSymbolObj;
class CVeldraDoc;

// A copy of a layout whose texts with fields take one record's values at a
// time, each laid out at its own width and shrunk when it would not fit the
// template's box (CFieldFit). The texts are kept as the user typed them in
// the layout itself.
class CRecordLayout
{
    Q_DECLARE_TR_FUNCTIONS(CRecordLayout)

public:
    // Nothing, with the reason naming the text, when a text's fields
    // cannot be read.
    static std::unique_ptr<CRecordLayout> Make(const CVeldraDoc& doc, QString* error);
    ~CRecordLayout();

    bool HasFields() const { return !m_fields.empty() || m_codes.HasFields(); }
    // The columns the fields name, each once.
    QStringList Columns() const;
    // Empty when the source has every column the fields name; otherwise
    // the message naming the missing ones and listing the source's columns.
    QString MissingColumns(const CDataSource& data) const;

    // Puts record number `record` (1 = the first) into the copy's texts.
    // False, naming the record and column, when a value cannot be written
    // in its text's code page; the copy then holds no half of the record.
    bool Apply(const CDataSource& data, int record, const QDate& date, QString* error);

    // Empty when every counter of the texts fits 64 bits over the records
    // first..last; otherwise why not, naming the counter.
    QString CounterProblem(int firstRecord, int lastRecord) const;
    // Whether a text of the record last applied had to be shrunk to fit.
    bool Shrunk() const;

    CVeldraDoc& Layout() { return *m_pLayout; }
    // Renders the copy; its renderer keeps its caches from record to record.
    CPlateRenderer& Renderer() { return *m_pRenderer; }

private:
    struct FieldText
    {
        CSymbolObj* object = nullptr;
        CFieldTemplate text;
        int charSet = 0;
        CFieldFit fit;
        bool shrunk = false;
    };

    CRecordLayout() = default;
    bool Fill(const FieldText& field, const CDataSource& data, int record, const QDate& date, QByteArray& bytes,
              QString* error) const;

    std::unique_ptr<CVeldraDoc> m_pLayout;
    std::unique_ptr<CPlateRenderer> m_pRenderer;
    std::vector<FieldText> m_fields;
    CRecordCodes m_codes;
};
