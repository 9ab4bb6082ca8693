#include "CArchiveException.h"

namespace {
const char* CauseText(CArchiveException::Cause cause)
{
    switch (cause) {
    case CArchiveException::genericException: return "archive: inconsistent data";
    case CArchiveException::endOfFile: return "archive: unexpected end of file";
    case CArchiveException::badIndex: return "archive: bad index";
    case CArchiveException::badClass: return "archive: bad class";
    case CArchiveException::badSchema: return "archive: bad schema";
    }
    return "archive: error";
}
}

CArchiveException::CArchiveException(Cause cause)
    : std::runtime_error(CauseText(cause)), m_cause(cause)
{
}

CFileException::CFileException(const QString& message)
    : std::runtime_error(message.toStdString()), m_strMessage(message)
{
}
