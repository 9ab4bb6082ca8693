#include "CRecordNavigator.h"

#include "view/CCommandActions.h"

#include <QAction>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>

CRecordNavigator::CRecordNavigator(CCommandActions& actions, QWidget* parent) : QToolBar(tr("Records"), parent)
{
    setObjectName(QStringLiteral("RecordBar"));
    GiveIcons(actions);
    addAction(actions.Action(CommandId::RecordFirst));
    addAction(actions.Action(CommandId::RecordPrevious));
    m_pNumber = new QSpinBox(this);
    m_pNumber->setObjectName(QStringLiteral("recordNumber"));
    m_pNumber->setAccessibleName(tr("Record number"));
    m_pNumber->setKeyboardTracking(false);
    addWidget(m_pNumber);
    m_pCount = new QLabel(this);
    m_pCount->setObjectName(QStringLiteral("recordCount"));
    addWidget(m_pCount);
    addAction(actions.Action(CommandId::RecordNext));
    addAction(actions.Action(CommandId::RecordLast));
    m_pNote = new QLabel(this);
    m_pNote->setObjectName(QStringLiteral("recordNote"));
    addWidget(m_pNote);
    addSeparator();
    QAction* close = addAction(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("Stop using the data source"));
    close->setObjectName(QStringLiteral("closeDataSource"));
    connect(close, &QAction::triggered, this, [this] {
        if (m_closeSink)
            m_closeSink();
    });
    connect(m_pNumber, &QSpinBox::valueChanged, this, [this](int record) {
        if (m_recordSink)
            m_recordSink(record);
    });
    ShowPosition(0, 0, {});
}

// The record commands have no artwork of their own: the style's arrows.
void CRecordNavigator::GiveIcons(CCommandActions& actions)
{
    const std::pair<CommandId, QStyle::StandardPixmap> icons[] = {
        {CommandId::RecordFirst, QStyle::SP_MediaSkipBackward},
        {CommandId::RecordPrevious, QStyle::SP_MediaSeekBackward},
        {CommandId::RecordNext, QStyle::SP_MediaSeekForward},
        {CommandId::RecordLast, QStyle::SP_MediaSkipForward},
    };
    for (const auto& [id, pixmap] : icons)
        if (QAction* action = actions.Action(id); action->icon().isNull())
            action->setIcon(style()->standardIcon(pixmap));
}

void CRecordNavigator::ShowPosition(int record, int count, const QString& source, const QString& note)
{
    m_pNote->setText(note.isEmpty() ? QString() : QStringLiteral("  ") + note);
    const QSignalBlocker blocker(m_pNumber);
    m_pNumber->setRange(count > 0 ? 1 : 0, count);
    m_pNumber->setValue(record);
    m_pCount->setText(count > 0 ? tr(" of %1 (%2)").arg(count).arg(source) : QString());
    setVisible(count > 0);
}
