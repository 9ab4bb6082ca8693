#pragma once

// Every command of the menus, toolbars, accelerators and context menus, with
// the numeric ids the program has always used (saved toolbar layouts and the
// translation catalogs refer to them).
enum class CommandId : int {
    None = 0,

    // File
    FileNew = 57600,
    FileOpen = 57601,
    FileClose = 57602,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePrintSetup = 57606,
    FilePrint = 57607,
    FilePrintDirect = 57608,
    FilePrintPreview = 57609,
    FileMruFirst = 57616, // the recent files, 57616 ... 57631
    FileMruLast = 57631,
    AppExit = 57665,
    ExportBmp = 32771,
    ExportClipboard = 32772,
    Acquire = 32773,
    SelectSource = 32774,
    MaterialSetup = 32813,
    Import = 32815,
    AddMaterialFile = 32817,
    AddMaterialScan = 32820,
    // Batches of plates from a data source (ids of our own, above the rest).
    DataSource = 32900,
    PrintBatch = 32901,
    RecordFirst = 32902,
    RecordPrevious = 32903,
    RecordNext = 32904,
    RecordLast = 32905,

    // Edit
    EditClear = 57632,
    EditCopy = 57634,
    EditCut = 57635,
    EditPaste = 57637,
    EditUndo = 57643,
    EditRedo = 57644,
    MoveCenter = 32776,
    Properties = 32777,

    // View
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
    ViewExtendedBar = 32800,
    ZoomIn = 32778,
    ZoomOut = 32779,
    FitToScreen = 32805,
    Zoom50 = 32829,
    Zoom100 = 32830,
    Zoom200 = 32831,
    Zoom400 = 32832,
    ShowGrid = 32806,
    GridSetup = 32807,
    LayerWindow = 32780,
    Invert = 32824,
    Preferences = 32802,

    // Tools: one range, in tool order.
    ToolSelect = 32789,
    ToolZoom = 32790,
    ToolScroll = 32791,
    ToolTextBlock = 32792,
    ToolPen = 32793,
    ToolFillPaint = 32794,
    ToolHorizontalText = 32795,
    ToolFanText = 32796,
    TextToolDropDown = 32827,
    PenSetup = 32797,

    // Object
    AddParts = 32781,
    AddFrame = 32782,
    AddSymbol = 32783,
    InsertMaterial = 32784,
    InsertFrame = 32785,
    InsertSymbol = 32786,
    InsertCode = 32841,
    Trimming = 32816,
    CropImage = 32825,
    RotateImage = 32826,

    // Library window
    LibraryDelete = 32775,
    LibraryRefresh = 32821,
    LibraryRename = 32823,

    // Main frame
    CreatePalette = 32822,

    // Help
    Help = 32798,
    About = 57664,
};

// The tool a tool command selects, 0 ... 7; -1 for other commands.
constexpr int ToolOfCommand(CommandId id)
{
    const int n = int(id) - int(CommandId::ToolSelect);
    return n >= 0 && n <= 7 ? n : -1;
}

constexpr CommandId CommandOfTool(int tool)
{
    return CommandId(int(CommandId::ToolSelect) + tool);
}
