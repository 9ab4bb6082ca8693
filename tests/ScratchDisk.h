#pragma once

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A small filesystem of the test's own (a tmpfs), to see what writing does
// when the disk is full or read-only. Mounting needs root: CI runs as root;
// elsewhere the tests that need it are skipped.
class ScratchDisk
{
public:
    explicit ScratchDisk(int sizeKiB = 256);
    ~ScratchDisk();
    ScratchDisk(const ScratchDisk&) = delete;
    ScratchDisk& operator=(const ScratchDisk&) = delete;

    bool IsMounted() const { return m_bMounted; }
    QString Path(const QString& name) const;
    // Takes up every free byte with a filler file.
    void Fill();
    // Mounts it again read-only.
    bool MakeReadOnly();

    // Root can mount, make device nodes and pass over permission bits.
    static bool IsRoot();
    // A character device node like /dev/null (root only) or a FIFO.
    static bool MakeDeviceNode(const QString& path);
    static bool MakeFifo(const QString& path);

private:
    QTemporaryDir m_folder;
    bool m_bMounted = false;
};

// Skips the test where root is missing, but fails it under CI, where it
// must run.
#define VELDRA_REQUIRE_ROOT()                                                           \
    do {                                                                                \
        if (!ScratchDisk::IsRoot()) {                                                   \
            if (qEnvironmentVariableIsSet("CI"))                                        \
                FAIL() << "this test needs root, which CI has";                         \
            GTEST_SKIP() << "needs root";                                               \
        }                                                                               \
    } while (false)
