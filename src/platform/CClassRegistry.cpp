#include "CClassRegistry.h"

#include "CRuntimeClass.h"

CClassRegistry::CClassRegistry(std::initializer_list<const CRuntimeClass*> classes)
{
    for (const CRuntimeClass* c : classes)
        Add(c);
}

void CClassRegistry::Add(const CRuntimeClass* runtimeClass)
{
    m_classes.insert(QByteArray(runtimeClass->m_lpszClassName), runtimeClass);
}

const CRuntimeClass* CClassRegistry::Find(const QByteArray& className) const
{
    return m_classes.value(className, nullptr);
}
