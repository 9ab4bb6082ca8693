#pragma once

class CSymbolObj;

// A view of the document: told of every change through a hint.
class IDocumentObserver
{
public:
    virtual void OnUpdate(void* sender, int hint, CSymbolObj* object) = 0;

protected:
    ~IDocumentObserver() = default;
};
