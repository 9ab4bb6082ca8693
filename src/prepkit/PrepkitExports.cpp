#include "Prepkit.h"

#include "CPrepkit.h"

// Nothing may unwind into the installer's C code: whatever goes wrong inside
// is a failure.

extern "C" __attribute__((visibility("default"))) unsigned char DoIt(const char* root)
{
    try {
        return CPrepkit().DoIt(root) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

extern "C" __attribute__((visibility("default"))) unsigned char ModifyAccessPermission(const char* folder)
{
    try {
        return CPrepkit().ModifyAccessPermission(folder) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}
