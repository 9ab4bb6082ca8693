#include "CCupsPrinterSystem.h"

#include "CCupsClass.h"
#include "CCupsDestinations.h"
#include "CCupsPrinter.h"

// Instances are the user's named option sets on a queue, not printers of
// their own.
std::vector<IPrinterSystem::Queue> CCupsPrinterSystem::LocalPrinters() const
{
    const CCupsDestinations destinations;
    std::vector<Queue> queues;
    for (const cups_dest_t& dest : destinations) {
        if (!dest.instance)
            queues.push_back({QString::fromUtf8(dest.name), CCupsClass::MakeAndModel(destinations, dest)});
    }
    return queues;
}

std::unique_ptr<IPrinter> CCupsPrinterSystem::Open(const QString& device) const
{
    if (device.isEmpty())
        return nullptr;
    const CCupsDestinations destinations;
    const cups_dest_t* dest = destinations.Find(device);
    if (!dest)
        return nullptr;
    return std::make_unique<CCupsPrinter>(QString::fromUtf8(dest->name), CCupsClass::MakeAndModel(destinations, *dest),
                                          CCupsClass::PpdQueue(destinations, *dest));
}
