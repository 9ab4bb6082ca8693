#pragma once

#include "platform/CSize.h"

#include <QCoreApplication>

#include <functional>

class CDibImage;
class CEngraverDevice;
class CVeldraDoc;
class IPrintTarget;

// Printing one layout: the document is bound to the printer so that the
// plate's pixels are the printer's dots, the plate is rendered for output
// and handed, with its offset on the page, to the print target 1:1.
class CPlatePrint
{
    Q_DECLARE_TR_FUNCTIONS(CPlatePrint)

public:
    // Binds the document to the device's resolution and page (layout units,
    // 0.01 mm); the window's view also rebuilds its cache and zoom here.
    using Binder = std::function<void(int resolution, int pageWidth, int pageHeight)>;

    // False, with the document untouched, when the target cannot start;
    // false when the plate cannot be rendered or the target fails.
    static bool Print(CVeldraDoc& doc, const CEngraverDevice& device, const Binder& bind, IPrintTarget& target);
    // Where the plate's top-left corner lies on a page of that many dots.
    static CSize CentredOffset(CSize plate, CSize page);
    // Binding that only tells the document.
    static Binder BindDocument(CVeldraDoc& doc);
};
