#pragma once

#include "platform/IPrinterSystem.h"

// The machine's printers as CUPS has them: the queues of the scheduler
// CUPS_SERVER names (the system's when unset), each with its make and model
// as its driver.
class CCupsPrinterSystem : public IPrinterSystem
{
public:
    std::vector<Queue> LocalPrinters() const override;
    // Null for an empty name or a queue the scheduler does not have.
    std::unique_ptr<IPrinter> Open(const QString& device) const override;
};
