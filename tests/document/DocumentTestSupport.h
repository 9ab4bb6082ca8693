#pragma once

#include "document/CVeldraDoc.h"
#include "document/IDocumentObserver.h"
#include "objects/CDibObj.h"

#include <vector>

// Records the hints a document sends.
struct HintLog : IDocumentObserver
{
    struct Entry
    {
        int hint;
        CSymbolObj* object;
    };
    std::vector<Entry> entries;
    void OnUpdate(void*, int hint, CSymbolObj* object) override { entries.push_back({hint, object}); }
};

// A document of a 90 x 60 mm material at 254 dpi (1 pixel = 0.1 mm).
inline void SetUpDocument(CVeldraDoc& doc)
{
    doc.SetMaterialSize({9000, 6000});
    doc.SetDevice(254, 9000, 6000);
}

inline std::unique_ptr<CDibObj> Picture(const char* name, int x = 0, int y = 0, int cx = 1000, int cy = 1000,
                                        std::uint32_t flags = flagsPicture)
{
    auto picture = std::make_unique<CDibObj>();
    CDibImage image;
    image.Create(4, 4, 24, RGB(50, 60, 70));
    picture->SetImageFrom(&image, flags, true);
    picture->m_strName = name;
    picture->SetBounds(x, y, cx, cy);
    return picture;
}

inline std::vector<QByteArray> Names(const CVeldraDoc& doc)
{
    std::vector<QByteArray> names;
    for (const CSymbolObj* object : doc.GetObjects())
        names.push_back(object->m_strName);
    return names;
}
