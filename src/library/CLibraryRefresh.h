#pragma once

#include "CLibraryModel.h"

#include "imaging/ColorRef.h"

#include <QString>

class CDibObj;

// Brings a library folder's rows, thumbnails and "index.vli" up to date:
// only symbol files that are new or newer than their index entry are
// decoded; the index is rewritten when anything differed.
class CLibraryRefresh
{
public:
    struct Options
    {
        int kind = CLibraryModel::symbol;
        int screenDepth = 24;
        bool ignoreIndex = false;             // Shift+Ctrl+Alt held
        COLORREF buttonFace = RGB(240, 240, 240);
    };

    struct Result
    {
        int decoded = 0;          // symbol files read for thumbnails
        bool indexWritten = false;
    };

    static Result Refresh(const QString& folder, CLibraryModel& model, const Options& options);

    // The 64 x 64 thumbnail of a symbol, transparent where it is.
    static QImage Thumbnail(CDibObj& symbol, int kind, COLORREF buttonFace);
};
