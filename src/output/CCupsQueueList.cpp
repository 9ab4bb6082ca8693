#include "CCupsQueueList.h"

#include "CCupsClass.h"
#include "CCupsConnection.h"
#include "CCupsDestinations.h"
#include "CCupsPrinter.h"

#include <iterator>
#include <map>
#include <memory>

namespace {

// The destination list leaves the state message out, though it is what says
// why a queue stopped; one request fetches it for every queue.
std::map<QString, QString> StateMessages()
{
    static const char* const attributes[] = {"printer-name", "printer-state-message"};
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  int(std::size(attributes)), nullptr, attributes);
    const CCupsConnection::IppPtr response = CCupsConnection::Ask(request);
    std::map<QString, QString> messages;
    // One group per printer, its attributes in the scheduler's order: the
    // name may come after the message.
    QString name;
    QString message;
    const auto endGroup = [&] {
        if (!name.isEmpty() && !message.isEmpty())
            messages[name] = message;
        name.clear();
        message.clear();
    };
    for (ipp_attribute_t* attribute = response ? ippFirstAttribute(response.get()) : nullptr; attribute;
         attribute = ippNextAttribute(response.get())) {
        const char* attributeName = ippGetName(attribute);
        if (!attributeName)
            endGroup();
        else if (!qstrcmp(attributeName, "printer-name"))
            name = QString::fromUtf8(ippGetString(attribute, 0, nullptr));
        else if (!qstrcmp(attributeName, "printer-state-message"))
            message = QString::fromUtf8(ippGetString(attribute, 0, nullptr)).trimmed();
    }
    endGroup();
    return messages;
}

CCupsQueueList::Queue QueueOf(const CCupsDestinations& destinations, const cups_dest_t& dest)
{
    const auto option = [&](const char* name) { return CCupsDestinations::Option(dest, name); };
    CCupsQueueList::Queue queue;
    queue.name = QString::fromUtf8(dest.name);
    queue.makeAndModel = CCupsClass::MakeAndModel(destinations, dest);
    queue.ppdQueue = CCupsClass::PpdQueue(destinations, dest);
    queue.deviceUri = option("device-uri");
    queue.location = option("printer-location");
    queue.info = option("printer-info");
    queue.state = option("printer-state").toInt();
    // Absent means the scheduler did not say: no reason to warn.
    queue.acceptingJobs = option("printer-is-accepting-jobs") != QLatin1String("false");
    queue.isEngraver = CCupsPrinter::IsEngraverQueue(queue.name, queue.makeAndModel);
    return queue;
}

} // namespace

CCupsQueueList::CCupsQueueList()
{
    const CCupsDestinations destinations;
    QString defaultQueue;
    for (const cups_dest_t& dest : destinations) {
        if (!dest.instance)
            m_queues.push_back(QueueOf(destinations, dest));
        // The user's default may be one of their instances: its queue is
        // the default printer then.
        if (dest.is_default)
            defaultQueue = QString::fromUtf8(dest.name);
    }
    for (Queue& queue : m_queues)
        queue.isDefault = queue.name == defaultQueue;
    // Without queues there is no scheduler worth asking a second time.
    if (m_queues.empty())
        return;
    const std::map<QString, QString> messages = StateMessages();
    for (Queue& queue : m_queues) {
        if (const auto found = messages.find(queue.name); found != messages.end())
            queue.stateMessage = found->second;
    }
}
