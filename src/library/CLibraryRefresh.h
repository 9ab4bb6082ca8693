#pragma once

#include "CLibraryModel.h"

#include "imaging/ColorRef.h"

#include <QString>
#include <QStringList>

#include <functional>

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
        // Told before each symbol file is decoded (done of total); false
        // stops the refresh: what was decoded so far is listed and indexed,
        // the rest waits for the next refresh.
        std::function<bool(int done, int total)> progress;
    };

    struct Result
    {
        int decoded = 0;          // symbol files read for thumbnails
        bool indexWritten = false;
        bool cancelled = false;
        QStringList leftOut;      // files whose names the index cannot hold
    };

    static Result Refresh(const QString& folder, CLibraryModel& model, const Options& options);

    // The 64 x 64 thumbnail of a symbol, transparent where it is.
    static QImage Thumbnail(CDibObj& symbol, int kind, COLORREF buttonFace);
};
