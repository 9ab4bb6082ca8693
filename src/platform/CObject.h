#pragma once

#include "CRuntimeClass.h"

class CArchive;

// Root of everything the archive can store as an object.
class CObject
{
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const = 0;
    virtual void Serialize(CArchive& ar);

    bool IsKindOf(const CRuntimeClass* runtimeClass) const
    {
        return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
    }

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
