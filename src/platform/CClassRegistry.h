#pragma once

#include <QByteArray>
#include <QHash>

struct CRuntimeClass;

// The serializable classes an archive may create when loading, by stored name.
class CClassRegistry
{
public:
    CClassRegistry() = default;
    CClassRegistry(std::initializer_list<const CRuntimeClass*> classes);

    void Add(const CRuntimeClass* runtimeClass);
    const CRuntimeClass* Find(const QByteArray& className) const;

private:
    QHash<QByteArray, const CRuntimeClass*> m_classes;
};
