#include "CLayerWindow.h"

#include "CLayerDrag.h"
#include "CLayerPictures.h"
#include "CLayerRowDelegate.h"
#include "CLayerRows.h"

#include "document/CPictureCommands.h"
#include "document/CVeldraDoc.h"
#include "document/UpdateHint.h"
#include "view/CCommandState.h"
#include "view/controls/CUnitFormat.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr auto toolWindowFlags = Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
} // namespace

CLayerWindow::CLayerWindow(CVeldraDoc& doc, QWidget* parent)
    : CBaseDlg(CUnitFormat::millimetres, parent, toolWindowFlags), m_doc(doc)
{
    setWindowTitle(tr("Layer"));
    setModal(false);
    BuildControls();
    UpdateButtons();
}

CLayerWindow::~CLayerWindow()
{
    Attach(false);
}

void CLayerWindow::BuildControls()
{
    m_pList = new QListWidget(this);
    m_pList->setItemDelegate(new CLayerRowDelegate(m_pList));
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pList->setUniformItemSizes(true);
    m_pList->setContextMenuPolicy(Qt::NoContextMenu);
    m_pList->viewport()->installEventFilter(this);
    m_pList->installEventFilter(this);
    // The list makes a row current before it selects it, and a click on the
    // current row after its selection was dropped selects it again: the
    // selection is what counts.
    connect(m_pList, &QListWidget::currentRowChanged, this, &CLayerWindow::UpdateButtons);
    connect(m_pList, &QListWidget::itemSelectionChanged, this, &CLayerWindow::OnSelectionChanged);
    m_pDrag = new CLayerDrag(*m_pList, {[this](int row) { return row > 0 || !HasMaterialRow(); },
                                        [this] { return HasMaterialRow(); },
                                        [this](int row, int target) { MoveRowBefore(row, target); }});

    auto* buttons = new QHBoxLayout;
    m_pUp = AddButton("layer-up", 16, tr("&Up"));
    m_pDown = AddButton("layer-down", 16, tr("&Down"));
    m_pDelete = AddButton("layer-delete", 16, tr("Delete"));
    m_pJoinLower = AddButton("join-lower", 48, tr("Join with Lower Layer"));
    m_pJoinDisplayed = AddButton("join-displayed", 48, tr("Join with Displayed Layer"));
    for (QToolButton* button : {m_pUp, m_pDown, m_pDelete, m_pJoinLower, m_pJoinDisplayed})
        buttons->addWidget(button);
    buttons->addStretch();
    connect(m_pUp, &QToolButton::clicked, this, &CLayerWindow::MoveUp);
    connect(m_pDown, &QToolButton::clicked, this, &CLayerWindow::MoveDown);
    connect(m_pDelete, &QToolButton::clicked, this, &CLayerWindow::DeleteSelected);
    connect(m_pJoinLower, &QToolButton::clicked, this, &CLayerWindow::JoinWithLower);
    connect(m_pJoinDisplayed, &QToolButton::clicked, this, &CLayerWindow::JoinDisplayed);

    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &CLayerWindow::CloseWindow);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pList);
    layout->addLayout(buttons);
    resize(260, 320);
}

QToolButton* CLayerWindow::AddButton(const char* icon, int width, const QString& tip)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(icon));
    button->setIcon(CLayerPictures::ButtonIcon(icon, width, 16));
    button->setIconSize({width, 16});
    // The tip shows the text without its mnemonic marker.
    button->setToolTip(QString(tip).remove(QLatin1Char('&')));
    button->setAutoRaise(true);
    return button;
}

// ------------------------------------------------------------ showing

void CLayerWindow::ShowWindow()
{
    show();
    raise();
    Attach(true);
    Fill(m_doc.GetObjects());
    // The selection was made while the window was away.
    if (m_selection)
        SelectRowOf(m_selection());
}

void CLayerWindow::CloseWindow()
{
    if (m_pDrag->IsDragging()) {
        m_pDrag->Cancel();
        return;
    }
    hide();
    Attach(false);
    Clear();
}

void CLayerWindow::reject()
{
    CloseWindow();
}

void CLayerWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    CloseWindow();
}

void CLayerWindow::Attach(bool attach)
{
    if (attach == m_bAttached)
        return;
    m_bAttached = attach;
    m_doc.SetLayerList(attach ? this : nullptr);
    if (attach)
        m_doc.AddObserver(this);
    else
        m_doc.RemoveObserver(this);
}

bool CLayerWindow::OnCommand(CommandId id)
{
    if (id != CommandId::LayerWindow)
        return false;
    if (isVisible() && isMinimized())
        showNormal();
    else if (isVisible())
        CloseWindow();
    else
        ShowWindow();
    return true;
}

bool CLayerWindow::OnUpdateCommand(CommandId id, CCommandState& state)
{
    if (id != CommandId::LayerWindow)
        return false;
    state.checked = !isVisible() ? 0 : isMinimized() ? 2 : 1;
    return true;
}

// ------------------------------------------------------------ rows

CSymbolObj* CLayerWindow::ObjectOfRow(int row) const
{
    const QListWidgetItem* item = m_pList->item(row);
    return item ? reinterpret_cast<CSymbolObj*>(item->data(CLayerRowDelegate::objectRole).value<quintptr>()) : nullptr;
}

int CLayerWindow::RowOf(const CSymbolObj* object) const
{
    for (int row = 0; row < m_pList->count(); ++row)
        if (ObjectOfRow(row) == object)
            return row;
    return -1;
}

bool CLayerWindow::HasMaterialRow() const
{
    const CSymbolObj* first = ObjectOfRow(0);
    return first && first->Kind() == SOK_MATERIAL;
}

QListWidgetItem* CLayerWindow::MakeItem(CSymbolObj* object)
{
    auto* item = new QListWidgetItem;
    item->setData(CLayerRowDelegate::objectRole, QVariant::fromValue(reinterpret_cast<quintptr>(object)));
    Describe(*item, *object);
    return item;
}

void CLayerWindow::Describe(QListWidgetItem& item, CSymbolObj& object)
{
    item.setText(CLayerRows::RowText(object));
    item.setData(Qt::DecorationRole, CLayerPictures::Thumbnail(object, palette().color(QPalette::Base)));
    item.setData(CLayerRowDelegate::shownRole, object.m_bVisible != 0);
}

void CLayerWindow::AddRow(CSymbolObj* object, int)
{
    // The row goes where a refill would put it, whatever position the
    // caller had in mind: the rows must mirror the list for moves to be
    // right.
    if (!object || RowOf(object) >= 0 || m_doc.IndexOf(object) < 0)
        return;
    m_bQuiet = true;
    m_pList->addItem(MakeItem(object));
    m_bQuiet = false;
    SyncOrder();
}

void CLayerWindow::RemoveRow(CSymbolObj* object)
{
    const int row = RowOf(object);
    if (row < 0)
        return;
    const bool selected = m_pList->item(row)->isSelected();
    m_bQuiet = true;
    delete m_pList->takeItem(row);
    m_bQuiet = false;
    // The views drop a deleted selection; no other row takes its place.
    if (selected)
        SelectRowOf(nullptr);
    UpdateButtons();
}

void CLayerWindow::RefreshRow(CSymbolObj* object)
{
    if (QListWidgetItem* item = m_pList->item(RowOf(object)))
        Describe(*item, *object);
}

void CLayerWindow::MoveRow(int, int)
{
    SyncOrder();
}

void CLayerWindow::Fill(const std::vector<CSymbolObj*>& objects)
{
    Clear();
    m_bQuiet = true;
    for (CSymbolObj* object : objects)
        m_pList->addItem(MakeItem(object));
    m_bQuiet = false;
    UpdateButtons();
}

void CLayerWindow::Clear()
{
    m_bQuiet = true;
    m_pList->clear();
    m_bQuiet = false;
    UpdateButtons();
}

// Puts the rows in the order of the document's list, keeping the current
// one current.
void CLayerWindow::SyncOrder()
{
    CSymbolObj* current = ObjectOfRow(m_pList->currentRow());
    m_bQuiet = true;
    int next = 0;
    for (CSymbolObj* object : m_doc.GetObjects()) {
        const int row = RowOf(object);
        if (row < 0)
            continue;
        if (row != next)
            m_pList->insertItem(next, m_pList->takeItem(row));
        ++next;
    }
    if (current)
        m_pList->setCurrentRow(RowOf(current));
    m_bQuiet = false;
    UpdateButtons();
}

void CLayerWindow::OnUpdate(void*, int hint, CSymbolObj* object)
{
    if (hint == hintSelect) {
        // Our own selection stays on its row, even where the views are told
        // "none" (a locked object such as the material).
        if (!m_bQuiet)
            SelectRowOf(object);
        return;
    }
    // A layout opened or replaced comes without row calls.
    if (hint == hintDeviceChanged || m_pList->count() != m_doc.GetObjectCount())
        Fill(m_doc.GetObjects());
}

void CLayerWindow::SelectRowOf(CSymbolObj* object)
{
    m_bQuiet = true;
    const int row = RowOf(object);
    if (row >= 0) {
        m_pList->setCurrentRow(row);
    } else {
        m_pList->clearSelection();
        m_pList->setCurrentItem(nullptr);
    }
    m_bQuiet = false;
    UpdateButtons();
}

void CLayerWindow::OnSelectionChanged()
{
    UpdateButtons();
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    if (!m_bQuiet && !selected.isEmpty())
        SelectInViews(ObjectOfRow(m_pList->row(selected.constFirst())));
}

void CLayerWindow::SelectInViews(CSymbolObj* object)
{
    m_bQuiet = true;
    m_doc.Select(object);
    m_bQuiet = false;
}

void CLayerWindow::UpdateButtons()
{
    const int row = m_pList->currentRow();
    const bool selected = row >= 0 && m_pList->item(row) && m_pList->item(row)->isSelected();
    const bool movable = selected && !(row == 0 && HasMaterialRow());
    m_pUp->setEnabled(movable);
    m_pDown->setEnabled(movable);
    m_pJoinLower->setEnabled(movable);
    m_pDelete->setEnabled(selected);
}

// ------------------------------------------------------------ editing

void CLayerWindow::MoveUp()
{
    if (const auto target = CLayerRows::UpTarget(m_pList->currentRow(), HasMaterialRow()))
        MoveRowBefore(m_pList->currentRow(), *target);
}

void CLayerWindow::MoveDown()
{
    if (const auto target = CLayerRows::DownTarget(m_pList->currentRow(), m_pList->count(), HasMaterialRow()))
        MoveRowBefore(m_pList->currentRow(), *target);
}

void CLayerWindow::MoveRowBefore(int row, int target)
{
    if (m_pList->count() != m_doc.GetObjectCount())
        Fill(m_doc.GetObjects());
    const auto move = CLayerRows::MoveToRow(row, target, m_pList->count(), HasMaterialRow());
    if (!move)
        return;
    CSymbolObj* object = ObjectOfRow(row);
    if (m_doc.MoveObject(move->from, move->to))
        m_doc.RecordOrderUndo(move->from, move->to, true);
    SyncOrder();
    SelectRowOf(object);
}

void CLayerWindow::DeleteSelected()
{
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    std::vector<CSymbolObj*> objects;
    for (const QListWidgetItem* item : selected)
        objects.push_back(ObjectOfRow(m_pList->row(item)));
    for (CSymbolObj* object : objects) {
        m_doc.UpdateAllViews(nullptr, hintOrderChanged, object);
        m_doc.UpdateAllViews(nullptr, hintAboutToDelete, object);
        m_doc.Delete(object);
    }
}

void CLayerWindow::JoinWithLower()
{
    const int row = m_pList->currentRow();
    if (row < 0 || (row == 0 && HasMaterialRow()) || row + 1 >= m_pList->count())
        return;
    Join({ObjectOfRow(row), ObjectOfRow(row + 1)});
}

void CLayerWindow::JoinDisplayed()
{
    Join(CLayerRows::DisplayedForJoin(m_doc.GetObjects()));
}

void CLayerWindow::Join(const std::vector<CSymbolObj*>& objects)
{
    if (objects.empty())
        return;
    // Shift and Ctrl held: a black background instead of a transparent one.
    const Qt::KeyboardModifiers keys = QGuiApplication::keyboardModifiers();
    const bool black = (keys & Qt::ShiftModifier) && (keys & Qt::ControlModifier);
    CPictureCommands::MergeObjects(m_doc, objects, black);
    m_doc.UpdateAllViews(nullptr, hintPlateChanged, nullptr);
}

void CLayerWindow::ToggleShown(int row)
{
    CSymbolObj* object = ObjectOfRow(row);
    if (!object)
        return;
    m_doc.RecordUndo(UndoKind::visibility, object, true);
    object->m_bVisible = object->m_bVisible ? 0 : 1;
    RefreshRow(object);
    m_doc.UpdateAllViews(nullptr, hintOrderChanged, object);
}

// ------------------------------------------------------------ input

bool CLayerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pList && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The Up and Down buttons show icons only: their mnemonics, Alt+U
        // and Alt+D, are the keys.
        const bool alt = key->modifiers() & Qt::AltModifier;
        if (key->key() == Qt::Key_Delete)
            DeleteSelected();
        else if (alt && key->key() == Qt::Key_U)
            MoveUp();
        else if (alt && key->key() == Qt::Key_D)
            MoveDown();
        else
            return false;
        return true;
    }
    if (watched == m_pList->viewport())
        return OnListMouse(event);
    return CBaseDlg::eventFilter(watched, event);
}

bool CLayerWindow::OnListMouse(QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint point = mouse->position().toPoint();
    const int row = m_pList->indexAt(point).row();
    if (row < 0)
        return false;
    if (mouse->button() == Qt::RightButton && type == QEvent::MouseButtonPress) {
        m_pList->setCurrentRow(row);
        if (m_contextMenu)
            m_contextMenu(mouse->globalPosition().toPoint());
        return true;
    }
    if (mouse->button() != Qt::LeftButton)
        return false;
    if (CLayerRowDelegate::CheckRect(m_pList->visualItemRect(m_pList->item(row))).contains(point)) {
        ToggleShown(row);
        return true;
    }
    if (type == QEvent::MouseButtonDblClick) {
        m_pList->setCurrentRow(row);
        SelectInViews(ObjectOfRow(row));
        if (m_commandSink)
            m_commandSink(CommandId::Properties);
        return true;
    }
    return false;
}
