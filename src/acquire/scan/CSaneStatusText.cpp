#include "CSaneStatusText.h"

ScanResult::Status CSaneStatusText::ResultOf(SANE_Status status)
{
    switch (status) {
    case SANE_STATUS_GOOD:
    case SANE_STATUS_EOF:
        return ScanResult::Status::ok;
    case SANE_STATUS_CANCELLED:
        return ScanResult::Status::cancelled;
    case SANE_STATUS_NO_DOCS:
        return ScanResult::Status::noDocuments;
    default:
        return ScanResult::Status::failed;
    }
}

QString CSaneStatusText::Message(SANE_Status status)
{
    switch (status) {
    case SANE_STATUS_CANCELLED:
        return tr("The scan was cancelled.");
    case SANE_STATUS_NO_DOCS:
        return tr("There is no document in the scanner.");
    case SANE_STATUS_JAMMED:
        return tr("The document is jammed in the scanner.");
    case SANE_STATUS_COVER_OPEN:
        return tr("The scanner's cover is open.");
    case SANE_STATUS_DEVICE_BUSY:
        return tr("The scanner is busy.");
    case SANE_STATUS_IO_ERROR:
        return tr("The scanner cannot be reached: it may have been switched off or unplugged.");
    case SANE_STATUS_NO_MEM:
        return tr("The scanner ran out of memory.");
    case SANE_STATUS_ACCESS_DENIED:
        return tr("Access to the scanner was denied.");
    default:
        return tr("The scanner reported an error: %1").arg(QString::fromUtf8(sane_strstatus(status)));
    }
}
