#pragma once

#include "objects/CTextAttributes.h"

class CSymbolObj;

// How the document has an object edited by the user: a properties dialog in
// the program, a stand-in in tests. The document never shows windows itself.
class IObjectEditor
{
public:
    // Lets the user change the object; true when the changes were confirmed.
    // On false the object is left exactly as it was.
    virtual bool Edit(CSymbolObj& object) = 0;
    // What a newly placed text object starts with: the user's text defaults
    // as they are at the moment of placing.
    virtual CTextAttributes NewTextAttributes() const = 0;

protected:
    ~IObjectEditor() = default;
};
