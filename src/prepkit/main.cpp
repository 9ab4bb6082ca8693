#include "Prepkit.h"

#include "Version.h"

#include "app/CDataFolder.h"

#include <QFile>

#include <cstdio>
#include <cstring>

namespace
{
const char usage[] =
    "Usage: prepkit ROOT\n"
    "       prepkit --grant FOLDER\n"
    "\n"
    "Prepares a fresh Veldra2 installation; meant for install scripts, run as root.\n"
    "\n"
    "  ROOT            Move the installed data (all but the Program and Samples\n"
    "                  folders, program and help files) from the installation\n"
    "                  folder ROOT into the shared data folder, point the user's\n"
    "                  library paths at it and open it to every user.\n"
    "  --grant FOLDER  Give every user full rights on everything below FOLDER\n"
    "                  (read and execute on *.lib* files). FOLDER itself must not\n"
    "                  be a symbolic link; links below it are skipped.\n"
    "  --grant         Make the shared data folder as the program does, open to\n"
    "                  every user, grant as above on what it holds, and show its\n"
    "                  path. Moves nothing: for packages, whose files stay where\n"
    "                  the package manager put them.\n"
    "  --help          Show this text.\n"
    "  --version       Show the version.\n"
    "\n"
    "Exit status: 0 on success, 1 on failure (including anything that should\n"
    "have moved and was left behind), 2 for a wrong command line.\n"
    "Messages go to standard error. VELDRA2_DATA_DIR names another data folder.\n";

// The shared data folder, made as the program makes it; never the user's own
// folder in its place, which an installer must not open to everyone.
int GrantDataFolder()
{
    CDataFolder folder;
    if (!folder.Create(QStringLiteral("Veldra2"), CDataFolder::Fallback::none)) {
        std::fprintf(stderr, "%s\nThe data folder could not be made. %s\n", qPrintable(folder.Path()),
                     qPrintable(CDataFolder::WhyUnusable(folder.Path())));
        return 1;
    }
    std::printf("%s\n", qPrintable(folder.Path()));
    return ModifyAccessPermission(QFile::encodeName(folder.Path()).constData()) ? 0 : 1;
}

int UsageError()
{
    std::fputs(usage, stderr);
    return 2;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc == 1)
        return DoIt(nullptr) ? 0 : 1;
    const char* first = argv[1];
    if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0) {
        std::fputs(usage, stdout);
        return argc == 2 ? 0 : 2;
    }
    if (std::strcmp(first, "--version") == 0) {
        std::printf("prepkit %s\n", VELDRA_VERSION_TEXT);
        return argc == 2 ? 0 : 2;
    }
    if (std::strcmp(first, "--grant") == 0 && argc == 2)
        return GrantDataFolder();
    if (std::strcmp(first, "--grant") == 0)
        return argc == 3 ? (ModifyAccessPermission(argv[2]) ? 0 : 1) : UsageError();
    // "--" lets a root that starts with a dash through.
    if (std::strcmp(first, "--") == 0)
        return argc == 3 ? (DoIt(argv[2]) ? 0 : 1) : UsageError();
    if (first[0] == '-' || argc != 2)
        return UsageError();
    return DoIt(first) ? 0 : 1;
}
