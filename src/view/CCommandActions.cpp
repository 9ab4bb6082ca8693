#include "CCommandActions.h"

#include "CCommandRouter.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>

#include <algorithm>

namespace {

struct CommandText
{
    CommandId id;
    const char* text;   // menu text, with its mnemonic
    const char* prompt; // status bar prompt and tool tip
};

// The texts of every command, in the source language.
const CommandText commandTexts[] = {
    {CommandId::FileNew, QT_TRANSLATE_NOOP("Commands", "&New"), QT_TRANSLATE_NOOP("Commands", "Create a new document")},
    {CommandId::FileOpen, QT_TRANSLATE_NOOP("Commands", "&Open..."), QT_TRANSLATE_NOOP("Commands", "Open an existing document")},
    {CommandId::FileSave, QT_TRANSLATE_NOOP("Commands", "&Save"), QT_TRANSLATE_NOOP("Commands", "Save the active document")},
    {CommandId::FileSaveAs, QT_TRANSLATE_NOOP("Commands", "Save &As..."), QT_TRANSLATE_NOOP("Commands", "Save the active document with a new name")},
    {CommandId::Import, QT_TRANSLATE_NOOP("Commands", "&Import..."), QT_TRANSLATE_NOOP("Commands", "Import Picture")},
    {CommandId::SelectSource, QT_TRANSLATE_NOOP("Commands", "Se&lect Source..."), QT_TRANSLATE_NOOP("Commands", "Select TWAIN data source")},
    {CommandId::Acquire, QT_TRANSLATE_NOOP("Commands", "A&cquire..."), QT_TRANSLATE_NOOP("Commands", "Acquire image")},
    {CommandId::AddMaterialFile, QT_TRANSLATE_NOOP("Commands", "&File..."), QT_TRANSLATE_NOOP("Commands", "Add a material to the library from a picture file")},
    {CommandId::AddMaterialScan, QT_TRANSLATE_NOOP("Commands", "&Scan..."), QT_TRANSLATE_NOOP("Commands", "Add a material to the library from the scanner")},
    {CommandId::MaterialSetup, QT_TRANSLATE_NOOP("Commands", "&Material Setup..."), QT_TRANSLATE_NOOP("Commands", "Set the size and outline of the material")},
    {CommandId::ExportBmp, QT_TRANSLATE_NOOP("Commands", "Output to &Bmp file..."), QT_TRANSLATE_NOOP("Commands", "Output to Bmp file")},
    {CommandId::ExportClipboard, QT_TRANSLATE_NOOP("Commands", "O&utput to Clipboard"), QT_TRANSLATE_NOOP("Commands", "Output to Clipboard")},
    {CommandId::FilePrint, QT_TRANSLATE_NOOP("Commands", "&Print..."), QT_TRANSLATE_NOOP("Commands", "Engrave the layout")},
    {CommandId::FilePrintDirect, QT_TRANSLATE_NOOP("Commands", "Print &Directly"), QT_TRANSLATE_NOOP("Commands", "Engrave the layout on the chosen engraver without asking")},
    {CommandId::FilePrintPreview, QT_TRANSLATE_NOOP("Commands", "Print Pre&view..."), QT_TRANSLATE_NOOP("Commands", "Preview the engraved plate")},
    {CommandId::FilePrintSetup, QT_TRANSLATE_NOOP("Commands", "P&rint Setup..."), QT_TRANSLATE_NOOP("Commands", "Choose the engraver and its options")},
    {CommandId::DataSource, QT_TRANSLATE_NOOP("Commands", "&Data Source..."), QT_TRANSLATE_NOOP("Commands", "Choose the data file whose records fill the layout's fields")},
    {CommandId::PrintBatch, QT_TRANSLATE_NOOP("Commands", "Print Batc&h..."), QT_TRANSLATE_NOOP("Commands", "Engrave one plate per record")},
    {CommandId::RecordFirst, QT_TRANSLATE_NOOP("Commands", "First Record"), QT_TRANSLATE_NOOP("Commands", "Show the first record")},
    {CommandId::RecordPrevious, QT_TRANSLATE_NOOP("Commands", "Previous Record"), QT_TRANSLATE_NOOP("Commands", "Show the previous record")},
    {CommandId::RecordNext, QT_TRANSLATE_NOOP("Commands", "Next Record"), QT_TRANSLATE_NOOP("Commands", "Show the next record")},
    {CommandId::RecordLast, QT_TRANSLATE_NOOP("Commands", "Last Record"), QT_TRANSLATE_NOOP("Commands", "Show the last record")},
    {CommandId::AppExit, QT_TRANSLATE_NOOP("Commands", "E&xit"), QT_TRANSLATE_NOOP("Commands", "Quit the application; prompts to save documents")},
    {CommandId::EditUndo, QT_TRANSLATE_NOOP("Commands", "&Undo"), QT_TRANSLATE_NOOP("Commands", "Undo the last action")},
    {CommandId::EditRedo, QT_TRANSLATE_NOOP("Commands", "&Redo"), QT_TRANSLATE_NOOP("Commands", "Redo the previously undone action")},
    {CommandId::EditCut, QT_TRANSLATE_NOOP("Commands", "Cu&t"), QT_TRANSLATE_NOOP("Commands", "Cut the selection and put it on the Clipboard")},
    {CommandId::EditCopy, QT_TRANSLATE_NOOP("Commands", "&Copy"), QT_TRANSLATE_NOOP("Commands", "Copy the selection and put it on the Clipboard")},
    {CommandId::EditPaste, QT_TRANSLATE_NOOP("Commands", "&Paste"), QT_TRANSLATE_NOOP("Commands", "Insert Clipboard contents")},
    {CommandId::EditClear, QT_TRANSLATE_NOOP("Commands", "&Delete"), QT_TRANSLATE_NOOP("Commands", "Delete the selection")},
    {CommandId::MoveCenter, QT_TRANSLATE_NOOP("Commands", "&Move Center"), QT_TRANSLATE_NOOP("Commands", "Move the selection to the centre of the material")},
    {CommandId::Properties, QT_TRANSLATE_NOOP("Commands", "Pr&operties..."), QT_TRANSLATE_NOOP("Commands", "Edit the properties of the selection")},
    {CommandId::Preferences, QT_TRANSLATE_NOOP("Commands", "Pre&ferences..."), QT_TRANSLATE_NOOP("Commands", "Change the program's settings")},
    {CommandId::ViewToolbar, QT_TRANSLATE_NOOP("Commands", "&Toolbar"), QT_TRANSLATE_NOOP("Commands", "Show or hide the toolbar")},
    {CommandId::ViewExtendedBar, QT_TRANSLATE_NOOP("Commands", "&Extended Toolbar"), QT_TRANSLATE_NOOP("Commands", "Show or hide the extended toolbar")},
    {CommandId::ViewStatusBar, QT_TRANSLATE_NOOP("Commands", "&Status Bar"), QT_TRANSLATE_NOOP("Commands", "Show or hide the status bar")},
    {CommandId::ZoomIn, QT_TRANSLATE_NOOP("Commands", "Zoom &In"), QT_TRANSLATE_NOOP("Commands", "Zoom in")},
    {CommandId::ZoomOut, QT_TRANSLATE_NOOP("Commands", "Zoom &Out"), QT_TRANSLATE_NOOP("Commands", "Zoom out")},
    {CommandId::FitToScreen, QT_TRANSLATE_NOOP("Commands", "&Fit to Screen"), QT_TRANSLATE_NOOP("Commands", "Show the whole material")},
    {CommandId::Zoom50, QT_TRANSLATE_NOOP("Commands", "50%"), QT_TRANSLATE_NOOP("Commands", "Zoom to 50%")},
    {CommandId::Zoom100, QT_TRANSLATE_NOOP("Commands", "100%"), QT_TRANSLATE_NOOP("Commands", "Zoom to 100%")},
    {CommandId::Zoom200, QT_TRANSLATE_NOOP("Commands", "200%"), QT_TRANSLATE_NOOP("Commands", "Zoom to 200%")},
    {CommandId::Zoom400, QT_TRANSLATE_NOOP("Commands", "400%"), QT_TRANSLATE_NOOP("Commands", "Zoom to 400%")},
    {CommandId::ShowGrid, QT_TRANSLATE_NOOP("Commands", "Show &Grid"), QT_TRANSLATE_NOOP("Commands", "Show or hide the grid")},
    {CommandId::GridSetup, QT_TRANSLATE_NOOP("Commands", "Grid Set&up..."), QT_TRANSLATE_NOOP("Commands", "Set the grid pitch and colours")},
    {CommandId::LayerWindow, QT_TRANSLATE_NOOP("Commands", "&Layer..."), QT_TRANSLATE_NOOP("Commands", "Show or hide layer window")},
    {CommandId::Invert, QT_TRANSLATE_NOOP("Commands", "In&vert"), QT_TRANSLATE_NOOP("Commands", "Invert the engraved and the bare parts")},
    {CommandId::ToolSelect, QT_TRANSLATE_NOOP("Commands", "&Select"), QT_TRANSLATE_NOOP("Commands", "Select Object")},
    {CommandId::ToolZoom, QT_TRANSLATE_NOOP("Commands", "&Zoom"), QT_TRANSLATE_NOOP("Commands", "Zoom in or out")},
    {CommandId::ToolScroll, QT_TRANSLATE_NOOP("Commands", "Scro&ll"), QT_TRANSLATE_NOOP("Commands", "Scroll the screen")},
    {CommandId::ToolTextBlock, QT_TRANSLATE_NOOP("Commands", "Text &Block"), QT_TRANSLATE_NOOP("Commands", "Insert Text Block")},
    {CommandId::ToolPen, QT_TRANSLATE_NOOP("Commands", "Drawing &Pen"), QT_TRANSLATE_NOOP("Commands", "Drawing Pen")},
    {CommandId::ToolFillPaint, QT_TRANSLATE_NOOP("Commands", "&Fill Paint"), QT_TRANSLATE_NOOP("Commands", "Fill Paint")},
    {CommandId::ToolHorizontalText, QT_TRANSLATE_NOOP("Commands", "&Horizontal Text"), QT_TRANSLATE_NOOP("Commands", "Insert Horizontal Text")},
    {CommandId::ToolFanText, QT_TRANSLATE_NOOP("Commands", "F&an Text"), QT_TRANSLATE_NOOP("Commands", "Insert Fan Text")},
    {CommandId::TextToolDropDown, QT_TRANSLATE_NOOP("Commands", "Text Tools"), QT_TRANSLATE_NOOP("Commands", "Insert horizontal or fan text")},
    {CommandId::PenSetup, QT_TRANSLATE_NOOP("Commands", "Pen Set&up..."), QT_TRANSLATE_NOOP("Commands", "Set the width and colour of the drawing pen")},
    {CommandId::InsertMaterial, QT_TRANSLATE_NOOP("Commands", "&Material..."), QT_TRANSLATE_NOOP("Commands", "Insert a material from the library")},
    {CommandId::InsertFrame, QT_TRANSLATE_NOOP("Commands", "&Frame..."), QT_TRANSLATE_NOOP("Commands", "Insert a frame from the library")},
    {CommandId::InsertSymbol, QT_TRANSLATE_NOOP("Commands", "&Symbol..."), QT_TRANSLATE_NOOP("Commands", "Insert a symbol from the library")},
    {CommandId::InsertCode, QT_TRANSLATE_NOOP("Commands", "&Code..."), QT_TRANSLATE_NOOP("Commands", "Insert a Data Matrix, QR or Code 128 code")},
    {CommandId::AddFrame, QT_TRANSLATE_NOOP("Commands", "&Frame..."), QT_TRANSLATE_NOOP("Commands", "Add a frame to the library")},
    {CommandId::AddSymbol, QT_TRANSLATE_NOOP("Commands", "&Symbol..."), QT_TRANSLATE_NOOP("Commands", "Add a symbol to the library")},
    {CommandId::Trimming, QT_TRANSLATE_NOOP("Commands", "&Trimming..."), QT_TRANSLATE_NOOP("Commands", "Trim the picture to a rectangle")},
    {CommandId::CropImage, QT_TRANSLATE_NOOP("Commands", "Crop &Image..."), QT_TRANSLATE_NOOP("Commands", "Make parts of the picture transparent")},
    {CommandId::RotateImage, QT_TRANSLATE_NOOP("Commands", "R&otate Image..."), QT_TRANSLATE_NOOP("Commands", "Turn the picture by quarter turns")},
    {CommandId::Help, QT_TRANSLATE_NOOP("Commands", "&Help Topics"), QT_TRANSLATE_NOOP("Commands", "Open the manual")},
    {CommandId::About, QT_TRANSLATE_NOOP("Commands", "&About Veldra2..."), QT_TRANSLATE_NOOP("Commands", "Display program information, version number and copyright")},
};

QList<QKeySequence> ShortcutsOf(CommandId id)
{
    using K = QKeySequence;
    switch (id) {
    case CommandId::FileNew: return {K(K::New)};
    case CommandId::FileOpen: return {K(K::Open)};
    case CommandId::FileSave: return {K(K::Save)};
    case CommandId::FilePrint: return {K(K::Print)};
    case CommandId::FilePrintDirect: return {K(Qt::CTRL | Qt::SHIFT | Qt::Key_P)};
    case CommandId::EditUndo: return {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)};
    case CommandId::EditRedo: return {K(Qt::CTRL | Qt::Key_Y)};
    case CommandId::EditCut: return {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)};
    case CommandId::EditCopy: return {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)};
    case CommandId::EditPaste: return {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)};
    case CommandId::EditClear: return {K(Qt::Key_Delete)};
    case CommandId::Properties: return {K(Qt::ALT | Qt::Key_Return), K(Qt::ALT | Qt::Key_Enter)};
    case CommandId::Trimming: return {K(Qt::CTRL | Qt::Key_T)};
    case CommandId::ZoomIn: return {K(Qt::CTRL | Qt::Key_PageDown)};
    case CommandId::ZoomOut: return {K(Qt::CTRL | Qt::Key_PageUp)};
    case CommandId::Help: return {K(Qt::Key_F1)};
    default: return {};
    }
}

const CommandText* TextOf(CommandId id)
{
    for (const CommandText& entry : commandTexts) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

bool IsToggle(CommandId id)
{
    switch (id) {
    case CommandId::ViewToolbar:
    case CommandId::ViewExtendedBar:
    case CommandId::ViewStatusBar:
    case CommandId::ShowGrid:
    case CommandId::LayerWindow:
    case CommandId::Invert:
    case CommandId::TextToolDropDown:
        return true;
    default:
        return ToolOfCommand(id) >= 0 || (id >= CommandId::Zoom50 && id <= CommandId::Zoom400);
    }
}

} // namespace

CCommandActions::CCommandActions(CCommandRouter& router, IconSource icons, QObject* parent)
    : QObject(parent), m_router(router), m_icons(std::move(icons)), m_pTools(new QActionGroup(this)),
      m_pZoomPresets(new QActionGroup(this))
{
    // Optional: the router's answer is the truth, also when it checks none.
    m_pTools->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    m_pZoomPresets->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
}

QAction* CCommandActions::Action(CommandId id)
{
    const auto found = m_actions.find(id);
    if (found != m_actions.end())
        return found->second;
    QAction* action = MakeAction(id);
    if (action)
        m_actions.emplace(id, action);
    return action;
}

QAction* CCommandActions::MakeAction(CommandId id)
{
    const CommandText* text = TextOf(id);
    const bool recentFile = id >= CommandId::FileMruFirst && id <= CommandId::FileMruLast;
    if (!text && !recentFile)
        return nullptr;
    // A recent file's action gets its text from the list when the menu opens.
    auto* action = new QAction(this);
    if (text) {
        action->setText(QCoreApplication::translate("Commands", text->text));
        const QString prompt = QCoreApplication::translate("Commands", text->prompt);
        action->setStatusTip(prompt);
        action->setToolTip(prompt);
    }
    action->setData(int(id));
    action->setShortcuts(ShortcutsOf(id));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(IsToggle(id));
    if (ToolOfCommand(id) >= 0)
        m_pTools->addAction(action);
    else if (id >= CommandId::Zoom50 && id <= CommandId::Zoom400)
        m_pZoomPresets->addAction(action);
    if (m_icons)
        action->setIcon(m_icons(id));
    connect(action, &QAction::triggered, this, [this, id] {
        m_router.Execute(id);
        Refresh();
    });
    Refresh(*action);
    return action;
}

void CCommandActions::AddToMenu(QMenu& menu, std::initializer_list<CommandId> ids)
{
    for (CommandId id : ids) {
        if (id == CommandId::None)
            menu.addSeparator();
        else if (QAction* action = Action(id))
            menu.addAction(action);
    }
}

void CCommandActions::RefreshOnShow(QMenu& menu)
{
    m_menus.emplace_back(&menu);
    connect(&menu, &QMenu::aboutToShow, this, [this] { Refresh(); });
}

void CCommandActions::Refresh()
{
    for (const auto& [id, action] : m_actions)
        Refresh(*action);
    RefreshSubmenus();
}

void CCommandActions::RefreshSubmenus()
{
    for (const QPointer<QMenu>& menu : m_menus) {
        if (!menu || !qobject_cast<QMenu*>(menu->parentWidget()))
            continue;
        const QList<QAction*> items = menu->actions();
        menu->menuAction()->setEnabled(std::any_of(items.begin(), items.end(), [](const QAction* item) {
            return !item->isSeparator() && item->isEnabled();
        }));
    }
}

void CCommandActions::Refresh(QAction& action)
{
    const CCommandState state = m_router.Query(IdOf(&action));
    action.setEnabled(state.enabled);
    if (action.isCheckable()) {
        // A checkable action toggles itself when triggered; the state the
        // router reports is the truth.
        const QSignalBlocker block(&action);
        action.setChecked(state.checked != 0);
    }
}

CommandId CCommandActions::IdOf(const QAction* action)
{
    return action ? CommandId(action->data().toInt()) : CommandId::None;
}
