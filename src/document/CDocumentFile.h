#pragma once

#include "platform/CObject.h"

#include <QString>

#include <memory>
#include <vector>

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

    // Replaces the document's contents by the file's (as a new document
    // would start); an empty file is an empty document. On failure the
    // document is left as it was.
    static Result Open(CVeldraDoc& doc, const QString& path);
    // Writes beside the file and renames over it only when everything was
    // written: a failed save leaves the old file untouched.
    static Result Save(CVeldraDoc& doc, const QString& path);
    // The same bytes as Save, but the document stays as modified as it was
    // (an autosave is no save of the user's).
    static Result Write(CVeldraDoc& doc, const QString& path);

private:
    // What a file holds, read in full before any of it reaches a document.
    struct Contents
    {
        std::int32_t width = 0, height = 0;
        std::uint32_t base = 0;
        std::int32_t brightness = 0, contrast = 0, gamma = -500, invert = 0;
        std::vector<std::unique_ptr<CObject>> objects;
    };

    static void Store(CVeldraDoc& doc, CArchive& ar);
    static void Load(CVeldraDoc& doc, CArchive& ar);
    static Contents Read(CArchive& ar);
    static void Apply(CVeldraDoc& doc, Contents& contents);
};
