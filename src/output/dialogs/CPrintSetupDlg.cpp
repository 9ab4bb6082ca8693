#include "CPrintSetupDlg.h"

#include "CEngraverPropertiesDlg.h"

#include "output/CCupsPrinter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { nameColumn, typeColumn, stateColumn, columnCount };

QTableWidgetItem* Cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

CPrintSetupDlg::CPrintSetupDlg(Mode mode, std::vector<CCupsQueueList::Queue> queues, const QString& current,
                               QWidget* parent)
    : QDialog(parent)
    , m_rules(std::move(queues), current)
    , m_pQueues(new QTableWidget(this))
    , m_pWhere(new QLabel(this))
    , m_pComment(new QLabel(this))
    , m_pPaper(new QComboBox(this))
    , m_pProperties(new QPushButton(tr("Pr&operties..."), this))
    , m_pNoQueues(new QLabel(tr("No printers are installed."), this))
    , m_pButtons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(mode == Mode::print ? tr("Print") : tr("Print Setup"));
    m_pQueues->setObjectName(QStringLiteral("queues"));
    m_pWhere->setObjectName(QStringLiteral("where"));
    m_pComment->setObjectName(QStringLiteral("comment"));
    m_pPaper->setObjectName(QStringLiteral("paper"));
    m_pProperties->setObjectName(QStringLiteral("properties"));
    m_pNoQueues->setObjectName(QStringLiteral("noQueues"));
    m_pButtons->setObjectName(QStringLiteral("buttons"));
    if (mode == Mode::print) {
        m_pCopies = new QSpinBox(this);
        m_pCopies->setObjectName(QStringLiteral("copies"));
        m_pCopies->setRange(CPrintSetupRules::minimumCopies, CPrintSetupRules::maximumCopies);
        m_pCopies->setValue(m_rules.Copies());
        m_pButtons->button(QDialogButtonBox::Ok)->setText(tr("&Print"));
        connect(m_pCopies, &QSpinBox::valueChanged, this, [this](int copies) { m_rules.SetCopies(copies); });
    }
    BuildLayout(mode);
    FillQueues();

    connect(m_pQueues, &QTableWidget::currentCellChanged, this, [this](int row) { OnQueueChosen(row); });
    connect(m_pQueues, &QTableWidget::cellDoubleClicked, this, &CPrintSetupDlg::accept);
    connect(m_pPaper, &QComboBox::currentIndexChanged, this, &CPrintSetupDlg::OnPaperChosen);
    connect(m_pProperties, &QPushButton::clicked, this, &CPrintSetupDlg::OnProperties);
    connect(m_pButtons, &QDialogButtonBox::accepted, this, &CPrintSetupDlg::accept);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &CPrintSetupDlg::reject);
    OnQueueChosen(m_rules.Row());
}

void CPrintSetupDlg::BuildLayout(Mode mode)
{
    m_pQueues->setColumnCount(columnCount);
    m_pQueues->setHorizontalHeaderLabels({tr("Name"), tr("Type"), tr("Status")});
    m_pQueues->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pQueues->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pQueues->verticalHeader()->hide();
    m_pQueues->horizontalHeader()->setStretchLastSection(true);
    m_pQueues->setMinimumWidth(480);
    auto* queuesLabel = new QLabel(tr("P&rinter:"), this);
    queuesLabel->setBuddy(m_pQueues);

    auto* form = new QFormLayout;
    form->addRow(tr("Where:"), m_pWhere);
    form->addRow(tr("Comment:"), m_pComment);
    auto* paperRow = new QHBoxLayout;
    paperRow->addWidget(m_pPaper, 1);
    paperRow->addWidget(m_pProperties);
    auto* paperLabel = new QLabel(tr("Paper &size:"), this);
    paperLabel->setBuddy(m_pPaper);
    form->addRow(paperLabel, paperRow);
    if (mode == Mode::print)
        form->addRow(tr("&Copies:"), m_pCopies);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(queuesLabel);
    layout->addWidget(m_pQueues);
    layout->addWidget(m_pNoQueues);
    layout->addLayout(form);
    layout->addWidget(m_pButtons);
}

void CPrintSetupDlg::FillQueues()
{
    const std::vector<CCupsQueueList::Queue>& queues = m_rules.Queues();
    m_pQueues->setRowCount(int(queues.size()));
    for (int row = 0; row < int(queues.size()); ++row) {
        const CCupsQueueList::Queue& queue = queues[size_t(row)];
        QTableWidgetItem* name = Cell(queue.name);
        if (queue.isDefault) {
            QFont bold = name->font();
            bold.setBold(true);
            name->setFont(bold);
            name->setToolTip(tr("The default printer"));
        }
        m_pQueues->setItem(row, nameColumn, name);
        m_pQueues->setItem(row, typeColumn, Cell(queue.makeAndModel));
        m_pQueues->setItem(row, stateColumn, Cell(CPrintSetupRules::StateText(queue)));
    }
    m_pQueues->resizeColumnsToContents();
    m_pNoQueues->setVisible(queues.empty());
    if (m_rules.Row() >= 0) {
        const QSignalBlocker blocker(m_pQueues);
        m_pQueues->setCurrentCell(m_rules.Row(), nameColumn);
    }
}

void CPrintSetupDlg::OnQueueChosen(int row)
{
    m_rules.SelectRow(row);
    const CCupsQueueList::Queue* queue = m_rules.Selected();
    m_pWhere->setText(queue ? queue->location : QString());
    m_pComment->setText(queue ? queue->info : QString());
    m_pProperties->setEnabled(m_rules.HasProperties());
    m_pButtons->button(QDialogButtonBox::Ok)->setEnabled(m_rules.CanAccept());
    ShowPapers();
}

// A queue's PPD is fetched the first time it is chosen: each fetch is a
// request to the scheduler.
void CPrintSetupDlg::ShowPapers()
{
    const CCupsQueueList::Queue* queue = m_rules.Selected();
    if (queue && !m_rules.HasPapers()) {
        const CCupsPpd ppd(queue->ppdQueue.isEmpty() ? queue->name : queue->ppdQueue);
        m_rules.SetPapers(ppd.PaperSizes(), CCupsPrinter(queue->name, queue->makeAndModel, queue->ppdQueue).ChosenPaper(),
                          ppd.DefaultChoice("PageSize"));
    }
    const QSignalBlocker blocker(m_pPaper);
    m_pPaper->clear();
    for (const CCupsPpd::PaperSize& paper : m_rules.Papers())
        m_pPaper->addItem(paper.text, paper.name);
    m_pPaper->setCurrentIndex(m_rules.PaperIndex());
    m_pPaper->setEnabled(m_pPaper->count() > 0);
}

void CPrintSetupDlg::OnPaperChosen(int index)
{
    m_rules.SelectPaper(index);
}

void CPrintSetupDlg::OnProperties()
{
    const CCupsQueueList::Queue* queue = m_rules.Selected();
    if (!m_rules.HasProperties())
        return;
    std::optional<CEngraverAdjustments> adjustments = m_rules.ConfirmedAdjustments();
    if (!adjustments) {
        adjustments.emplace();
        CCupsPrinter(queue->name, queue->makeAndModel, queue->ppdQueue).GetEngraverAdjustments(*adjustments);
    }
    CEngraverPropertiesDlg properties(*adjustments, this);
    if (properties.exec() == QDialog::Accepted)
        m_rules.SetAdjustments(properties.Adjustments());
}

QString CPrintSetupDlg::QueueName() const
{
    const CCupsQueueList::Queue* queue = m_rules.Selected();
    return queue ? queue->name : QString();
}

QString CPrintSetupDlg::MakeAndModel() const
{
    const CCupsQueueList::Queue* queue = m_rules.Selected();
    return queue ? queue->makeAndModel : QString();
}

QString CPrintSetupDlg::DeviceUri() const
{
    const CCupsQueueList::Queue* queue = m_rules.Selected();
    return queue ? queue->deviceUri : QString();
}

bool CPrintSetupDlg::StoreChoices() const
{
    const CCupsQueueList::Queue* queue = m_rules.Selected();
    CCupsPrinter printer(queue->name, queue->makeAndModel);
    bool stored = true;
    if (const std::optional<QString> paper = m_rules.PaperToStore())
        stored = printer.ChoosePaper(*paper);
    if (const std::optional<CEngraverAdjustments> adjustments = m_rules.ConfirmedAdjustments())
        stored = printer.SetEngraverAdjustments(*adjustments) && stored;
    return stored;
}

// The queue is chosen even when its options could not be written: saying
// so is enough, the user can still print with the queue's defaults.
void CPrintSetupDlg::accept()
{
    if (!m_rules.CanAccept())
        return;
    if (!StoreChoices())
        QMessageBox::warning(this, windowTitle(), tr("The printer's settings could not be saved."));
    QDialog::accept();
}
