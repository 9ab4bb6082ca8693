#pragma once

#include "imaging/CDibImage.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

// A scanner as the scanner library names it.
struct ScanDeviceInfo
{
    QString name, vendor, model, type;
};

// What an open device lets the scan dialog offer.
struct ScanCapabilities
{
    // Allowed dots per inch; a device range becomes the usual steps
    // (75, 100, 150, 200, 300, 600, 1200) that fall within it, plus its ends.
    QList<int> resolutions;
    int defaultResolution = 0;
    // The device's own mode names ("Color", "Gray", "Lineart", ...).
    QStringList modes;
    QString defaultMode;
    // The device's whole scan area in millimetres.
    QRectF areaMm;
};

struct ScanOptions
{
    int resolution = 0; // 0: the device's current resolution
    QString mode;       // empty: the device's current mode
    QRectF areaMm;      // empty: the whole area
};

struct ScanResult
{
    enum class Status { ok, cancelled, noDocuments, failed };
    Status status = Status::failed;
    // 1 bit for line art, 8-bit grey (grey palette) for grey, 24 bits for
    // colour; empty unless ok.
    CDibImage image;
    int dpi = 0;
    // For the user, when failed.
    QString error;
};
