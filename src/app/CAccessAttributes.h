#pragma once

#include <QString>

#include <sys/types.h>

#include <cstdint>

// One set of rights that everyone on the machine gets, as the program and
// Prepkit hand them out in the shared data folder.
//
// The rights are named by their Windows access masks (granted there to the
// world group); here they become permission bits for owner, group and others
// and, on folders, a default access list so that files made later by any user
// stay open to all. Files are created with mode 0666 so that list decides.
//
// Nothing here ever follows a symbolic link: the data folder is writable by
// every user and Prepkit works in it as root.
class CAccessAttributes
{
public:
    // All standard and specific rights: read, write and execute for everyone.
    static constexpr std::uint32_t fullControlMask = 0x1FFFFF;
    // Read data and attributes, execute, synchronize: r-x for everyone.
    static constexpr std::uint32_t readExecuteMask = 0x1200A9;

    // Keeps the rights the mask stands for. Never fails on POSIX; callers
    // still check, as building an access list can fail on Windows.
    bool Build(std::uint32_t accessMask);
    bool IsValid() const { return m_valid; }
    std::uint32_t AccessMask() const { return m_accessMask; }

    // The read, write and execute bits (4, 2, 1) everyone gets.
    unsigned Rights() const { return m_rights; }
    // The permission bits these rights add to a folder, and to a file whose
    // mode is `currentMode`: on files execute only where the owner already
    // has it, so granting never turns data into programs.
    mode_t FolderBits() const;
    mode_t FileBits(mode_t currentMode) const;

    // Adds the rights to an existing file or folder. A symbolic link, a
    // missing path or anything but a file or folder fails; rights are only
    // ever added, never taken away.
    bool GrantTo(const QString& path) const;
    // The same on an open descriptor (O_PATH is enough).
    bool GrantToDescriptor(int fd) const;

    // Makes the folder `name` inside the open folder `parentFd` with these
    // rights and the default list. False with errno EEXIST when something
    // of that name is already there, left as it was.
    bool CreateFolderAt(int parentFd, const char* name) const;

private:
    bool GrantDefaultList(int fd) const;

    bool m_valid = false;
    std::uint32_t m_accessMask = 0;
    unsigned m_rights = 0;
};
