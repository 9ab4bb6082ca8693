#include "MessageSink.h"

#include <cstdio>
#include <system_error>

void WriteToStandardError(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    std::fflush(stderr);
}

std::string SystemMessage(int error)
{
    return std::generic_category().message(error);
}
