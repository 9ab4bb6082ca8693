#pragma once

#include "document/CVeldraDoc.h"
#include "objects/CTextAttributes.h"

#include <memory>

// A text object of any kind with the default attributes and a text, on doc.
template <class Object>
std::unique_ptr<Object> MakeText(CVeldraDoc& doc, const char* text)
{
    CTextAttributes defaults;
    defaults.text = text;
    auto object = std::make_unique<Object>(defaults);
    object->m_pDoc = &doc;
    return object;
}
