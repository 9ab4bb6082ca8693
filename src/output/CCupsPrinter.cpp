#include "CCupsPrinter.h"

#include "CCupsDestinations.h"
#include "CCupsPpd.h"

#include <memory>

namespace {

constexpr const char* brightnessOption = "Brightness";
constexpr const char* contrastOption = "Contrast";
constexpr const char* gammaOption = "Gamma";
constexpr const char* paperOption = "PageSize";

} // namespace

CCupsPrinter::CCupsPrinter(QString device, QString driver, QString ppdQueue)
    : m_strDevice(std::move(device))
    , m_strDriver(std::move(driver))
    , m_strPpdQueue(ppdQueue.isEmpty() ? m_strDevice : std::move(ppdQueue))
{
}

bool CCupsPrinter::IsEngraverName(const QString& name)
{
    return name.startsWith(QLatin1String("Corvex KTX")) || name.startsWith(QLatin1String("Corvex VELDRA"));
}

// A CUPS queue name cannot hold a blank, so no queue could ever be called
// "Corvex KTX...": its make and model, the driver's own name, counts as well.
bool CCupsPrinter::IsEngraverQueue(const QString& device, const QString& driver)
{
    return IsEngraverName(device) || IsEngraverName(driver);
}

bool CCupsPrinter::IsEngraver() const
{
    return IsEngraverQueue(m_strDevice, m_strDriver);
}

std::optional<int> CCupsPrinter::OptionNumber(const QString& value)
{
    QStringView number(value);
    if (number.startsWith(QLatin1String("Custom.")))
        number = number.mid(7);
    bool ok = false;
    const int result = number.toInt(&ok);
    return ok ? std::optional<int>(result) : std::nullopt;
}

// What the user set for the queue, else what its PPD starts with, else the
// driver's neutral values.
bool CCupsPrinter::GetEngraverAdjustments(CEngraverAdjustments& adjustments) const
{
    adjustments = CEngraverAdjustments();
    if (!IsEngraver())
        return true;
    const CCupsDestinations destinations;
    const cups_dest_t* dest = destinations.Find(m_strDevice);
    if (!dest)
        return false;

    std::unique_ptr<CCupsPpd> ppd;
    const auto read = [&](const char* option, int& value) {
        std::optional<int> number = OptionNumber(CCupsDestinations::Option(*dest, option));
        if (!number) {
            if (!ppd)
                ppd = std::make_unique<CCupsPpd>(m_strPpdQueue);
            number = OptionNumber(ppd->DefaultChoice(option));
        }
        if (number)
            value = *number;
    };
    read(brightnessOption, adjustments.brightness);
    read(contrastOption, adjustments.contrast);
    read(gammaOption, adjustments.gamma);
    adjustments = adjustments.Clamped();
    return true;
}

// Another printer's options are none of the engraver's business: nothing is
// written for it.
bool CCupsPrinter::SetEngraverAdjustments(const CEngraverAdjustments& adjustments)
{
    if (!IsEngraver())
        return false;
    const CCupsDestinations destinations;
    cups_dest_t* dest = destinations.Find(m_strDevice);
    if (!dest)
        return false;
    const CEngraverAdjustments clamped = adjustments.Clamped();
    CCupsDestinations::SetOption(*dest, brightnessOption, QString::number(clamped.brightness));
    CCupsDestinations::SetOption(*dest, contrastOption, QString::number(clamped.contrast));
    CCupsDestinations::SetOption(*dest, gammaOption, QString::number(clamped.gamma));
    return destinations.Save();
}

QString CCupsPrinter::ChosenPaper() const
{
    const CCupsDestinations destinations;
    const cups_dest_t* dest = destinations.Find(m_strDevice);
    return dest ? CCupsDestinations::Option(*dest, paperOption) : QString();
}

bool CCupsPrinter::ChoosePaper(const QString& name)
{
    const CCupsDestinations destinations;
    cups_dest_t* dest = destinations.Find(m_strDevice);
    if (!dest)
        return false;
    if (name.isEmpty())
        dest->num_options = cupsRemoveOption(paperOption, dest->num_options, &dest->options);
    else
        CCupsDestinations::SetOption(*dest, paperOption, name);
    return destinations.Save();
}
