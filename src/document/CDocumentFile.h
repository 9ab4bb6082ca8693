#pragma once

#include <QString>

class CArchive;
class CVeldraDoc;

// The document file (.vlz): a 48-byte magic text, the version, the material
// size, base colour, engraver adjustments, invert flag, then the object list.
class CDocumentFile
{
public:
    static const char* const magic;
    static constexpr int magicSize = 48;
    static constexpr std::uint32_t currentVersion = 2;

    struct Result
    {
        bool ok = false;
        // The user's message when not ok, e.g. "Unexpected file format.".
        QString message;
        // True when the bytes were not a document (as opposed to a file error).
        bool formatError = false;
    };

    // The header and object list through an archive (storing or loading).
    static void Serialize(CVeldraDoc& doc, CArchive& ar);

    // Replaces the document's contents by the file's; an empty file is an
    // empty document. On failure the document is left empty.
    static Result Open(CVeldraDoc& doc, const QString& path);
    // Writes beside the file and renames over it only when everything was
    // written: a failed save leaves the old file untouched.
    static Result Save(CVeldraDoc& doc, const QString& path);

private:
    static void Store(CVeldraDoc& doc, CArchive& ar);
    static void Load(CVeldraDoc& doc, CArchive& ar);
};
