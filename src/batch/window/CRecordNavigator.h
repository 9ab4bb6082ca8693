#pragma once

#include <QToolBar>

#include <functional>

class CCommandActions;
class QLabel;
class QSpinBox;

// The record bar: first, previous, next and last record (the window's
// commands), the record number to type or step, how many there are, and
// a button that stops using the data source. Hidden while no data source
// is chosen.
class CRecordNavigator : public QToolBar
{
    Q_OBJECT

public:
    CRecordNavigator(CCommandActions& actions, QWidget* parent = nullptr);

    // Called with the record number the user typed or stepped to.
    void SetRecordSink(std::function<void(int)> sink) { m_recordSink = std::move(sink); }
    void SetCloseSink(std::function<void()> close) { m_closeSink = std::move(close); }
    // count 0: no data source. note: what the operator must know before
    // engraving (the records whose text is shrunk to fit).
    void ShowPosition(int record, int count, const QString& source, const QString& note = QString());

    QSpinBox* NumberField() const { return m_pNumber; }

private:
    void GiveIcons(CCommandActions& actions);

    QSpinBox* m_pNumber = nullptr;
    QLabel* m_pCount = nullptr;
    QLabel* m_pNote = nullptr;
    std::function<void(int)> m_recordSink;
    std::function<void()> m_closeSink;
};
