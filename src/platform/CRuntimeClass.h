#pragma once

#include <cstdint>

class CObject;

// What the archive needs to know about a serializable class: its stored name,
// its schema, whether older schemas are handed to Serialize (versionable) or
// refused, how to make an empty instance, and its base for kind checks.
struct CRuntimeClass
{
    const char* m_lpszClassName = nullptr;
    std::uint16_t m_wSchema = 0;
    bool m_bVersionable = false;
    CObject* (*m_pfnCreateObject)() = nullptr;
    const CRuntimeClass* m_pBaseClass = nullptr;

    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    bool IsDerivedFrom(const CRuntimeClass* base) const;
};

// Declares the runtime class of a serializable class (inside its body).
#define VELDRA_DECLARE_SERIAL(ClassName)                               \
public:                                                               \
    static const CRuntimeClass classInfo;                             \
    const CRuntimeClass* GetRuntimeClass() const override { return &classInfo; } \
    static CObject* CreateInstance() { return new ClassName; }

// Defines it (in the class's source file).
#define VELDRA_IMPLEMENT_SERIAL(ClassName, BaseClassInfo, schema, versionable) \
    const CRuntimeClass ClassName::classInfo = {#ClassName, schema, versionable, &ClassName::CreateInstance, BaseClassInfo};
