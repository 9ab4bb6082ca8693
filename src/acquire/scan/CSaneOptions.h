#pragma once

#include "ScanTypes.h"

#include <QCoreApplication>
#include <QString>

#include <sane/sane.h>

// The options of an open device that a scan needs: resolution, mode and the
// scan area (well-known option names), read as capabilities and set from the
// scan dialog's choices. Options are found by name each time, since setting
// one may make the device rebuild the others.
class CSaneOptions
{
    Q_DECLARE_TR_FUNCTIONS(CSaneOptions)

public:
    explicit CSaneOptions(SANE_Handle handle) : m_handle(handle) {}

    ScanCapabilities Capabilities() const;
    // Mode, then resolution, then area (clamped to the device's area);
    // false with the reason for the user when the device refuses.
    bool Apply(const ScanOptions& options, QString* error) const;
    // The resolution the device will scan at, 0 when it has none.
    int Resolution() const;

private:
    // The option's index and descriptor, or -1 when the device lacks it or
    // it is not active.
    SANE_Int Find(const char* name, const SANE_Option_Descriptor** descriptor) const;
    bool ReadNumber(const char* name, double* value) const;
    bool WriteNumber(const char* name, double value) const;
    bool WriteString(const char* name, const QString& value) const;
    QList<int> Resolutions() const;
    QStringList Modes() const;
    QRectF AreaLimits() const;
    bool ApplyArea(const QRectF& areaMm) const;

    SANE_Handle m_handle;
};
