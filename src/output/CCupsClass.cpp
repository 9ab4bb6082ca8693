#include "CCupsClass.h"

#include "CCupsConnection.h"
#include "CCupsDestinations.h"
#include "CCupsPrinter.h"

#include <memory>

namespace {

QString OwnMakeAndModel(const cups_dest_t& dest)
{
    return CCupsDestinations::Option(dest, "printer-make-and-model");
}

} // namespace

bool CCupsClass::IsClass(const cups_dest_t& dest)
{
    return CCupsDestinations::Option(dest, "printer-type").toUInt() & CUPS_PRINTER_CLASS;
}

QStringList CCupsClass::Members(const QString& className)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/classes/%s",
                     className.toUtf8().constData());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "member-names");
    const CCupsConnection::IppPtr response = CCupsConnection::Ask(request);
    ipp_attribute_t* names = response ? ippFindAttribute(response.get(), "member-names", IPP_TAG_NAME) : nullptr;
    QStringList members;
    for (int i = 0; names && i < ippGetCount(names); ++i)
        members << QString::fromUtf8(ippGetString(names, i, nullptr));
    return members;
}

const cups_dest_t* CCupsClass::EngraverMember(const CCupsDestinations& destinations, const cups_dest_t& dest)
{
    if (!IsClass(dest))
        return nullptr;
    const QStringList members = Members(QString::fromUtf8(dest.name));
    const cups_dest_t* first = nullptr;
    for (const QString& name : members) {
        const cups_dest_t* member = destinations.Find(name);
        if (!member || !CCupsPrinter::IsEngraverQueue(name, OwnMakeAndModel(*member)))
            return nullptr;
        if (!first)
            first = member;
    }
    return first;
}

QString CCupsClass::MakeAndModel(const CCupsDestinations& destinations, const cups_dest_t& dest)
{
    const cups_dest_t* member = EngraverMember(destinations, dest);
    return OwnMakeAndModel(member ? *member : dest);
}

QString CCupsClass::PpdQueue(const CCupsDestinations& destinations, const cups_dest_t& dest)
{
    const cups_dest_t* member = EngraverMember(destinations, dest);
    return QString::fromUtf8(member ? member->name : dest.name);
}
