#pragma once

#include "IPrinter.h"

#include <QString>

#include <memory>
#include <vector>

// The machine's printers as the program sees them: the local queues with
// their driver names, and opening one by its device (queue) name.
class IPrinterSystem
{
public:
    struct Queue
    {
        QString device; // queue name
        QString driver; // make and model
    };

    virtual ~IPrinterSystem() = default;
    virtual std::vector<Queue> LocalPrinters() const = 0;
    // Null when the queue cannot be opened.
    virtual std::unique_ptr<IPrinter> Open(const QString& device) const = 0;
};
