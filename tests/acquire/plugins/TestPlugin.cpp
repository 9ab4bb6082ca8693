// Plug-ins for the plug-in host's tests; the behaviour is chosen when built:
// REFUSE never supports a file, ACCEPT reads any file starting "TESTPIC" as
// a 2 x 1 picture, FAIL supports those but cannot read them, LIAR claims a
// picture far larger than the blocks it returns, WRONGVERSION is no import
// filter at all.
#include "VeldraImagePlugin.h"

#include <cstdlib>
#include <cstring>

namespace {

[[maybe_unused]] void Put32(unsigned char* p, unsigned v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

[[maybe_unused]] bool IsTestPicture(const void* head)
{
    return std::memcmp(head, "TESTPIC", 7) == 0;
}

} // namespace

extern "C" int GetPluginInfo(int, char* buffer, int)
{
#ifdef WRONGVERSION
    std::memcpy(buffer, "00AM", 5);
#else
    std::memcpy(buffer, "00IN", 5);
#endif
    return 4;
}

extern "C" int IsSupported(const char*, void* head)
{
#ifdef REFUSE
    (void)head;
    return 0;
#else
    return IsTestPicture(head) ? 1 : 0;
#endif
}

extern "C" int GetPicture(const char*, long, unsigned int, void** info, void** bits, VeldraProgressCallback, long)
{
#ifdef FAIL
    (void)info;
    (void)bits;
    return 1;
#else
    auto* header = static_cast<unsigned char*>(std::calloc(1, 40));
    auto* pixels = static_cast<unsigned char*>(std::calloc(1, 8));
    Put32(header, 40);
#ifdef LIAR
    Put32(header + 4, 1000);
    Put32(header + 8, 1000);
#else
    Put32(header + 4, 2);
    Put32(header + 8, 1);
#endif
    header[12] = 1;
    header[14] = 24;
    const unsigned char row[6] = {0, 0, 255, 255, 0, 0}; // red, blue
    std::memcpy(pixels, row, 6);
    *info = header;
    *bits = pixels;
    return 0;
#endif
}
