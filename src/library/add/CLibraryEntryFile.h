#pragma once

#include <QCoreApplication>
#include <QString>

class CDibObj;

// Writing a new library entry as "<name>.vls" in its kind's folder. The
// name is used as typed, except that a name no entry could be listed under
// is refused with the reason, and an existing entry is never replaced.
class CLibraryEntryFile
{
    Q_DECLARE_TR_FUNCTIONS(CLibraryEntryFile)

public:
    enum class Outcome { written, exists, refused };
    struct Result
    {
        Outcome outcome = Outcome::refused;
        // What the user is told when the entry was not written.
        QString message;
    };

    // folder + "/" + name + ".vls".
    static QString PathFor(const QString& folder, const QString& name);
    // Why a name cannot be an entry's; empty when it can.
    static QString NameProblem(const QString& name);
    static Result Write(CDibObj& entry, const QString& folder, const QString& name);

private:
    // An entry of that name, also with its extension in other letter case
    // (the library lists "Two.VLS" as "Two"), or anything at the path.
    static bool Exists(const QString& folder, const QString& name);
};
