#include "SaneTestBackend.h"

#include "acquire/scan/CScanSession.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// Two devices, an area large enough for an A4 page, and a quick, plain scan.
const QMap<QString, QString>& Defaults()
{
    static const QMap<QString, QString> defaults = {
        {"number_of_devices", "2"},
        {"mode", "Gray"},
        {"depth", "8"},
        {"hand-scanner", "false"},
        {"three-pass", "false"},
        {"three-pass-order", "RGB"},
        {"resolution_min", "1.0"},
        {"resolution_max", "1200.0"},
        {"resolution_quant", "1.0"},
        {"resolution", "50.0"},
        {"test-picture", "\"Solid black\""},
        {"read-limit", "false"},
        {"read-delay", "false"},
        {"read-delay-duration", "1000"},
        {"read-status-code", "\"Default\""},
        {"ppl-loss", "0"},
        {"geometry_min", "0.0"},
        {"geometry_max", "300.0"},
        {"geometry_quant", "1.0"},
        {"tl_x", "0.0"},
        {"tl_y", "0.0"},
        {"br_x", "80.0"},
        {"br_y", "100.0"},
    };
    return defaults;
}

} // namespace

SaneTestBackend::SaneTestBackend()
{
    // Without a trailing colon the library reads this folder only.
    qputenv("SANE_CONFIG_DIR", Folder().toUtf8());
    Write("dll.conf", "test\n");
    Configure();
}

QString SaneTestBackend::Folder() const
{
    static QTemporaryDir folder;
    return folder.path();
}

void SaneTestBackend::Configure(const QMap<QString, QString>& settings)
{
    QMap<QString, QString> all = Defaults();
    all.insert(settings);
    QByteArray text;
    for (auto it = all.cbegin(); it != all.cend(); ++it)
        text += it.key().toUtf8() + ' ' + it.value().toUtf8() + '\n';
    Write("test.conf", text);
}

void SaneTestBackend::ConfigureNoBackends()
{
    Write("dll.conf", "\n");
}

bool SaneTestBackend::Available() const
{
    const QList<ScanDeviceInfo> devices = CScanSession::Devices();
    return std::any_of(devices.begin(), devices.end(), [](const ScanDeviceInfo& d) { return d.name == "test:0"; });
}

void SaneTestBackend::Write(const QString& name, const QByteArray& text)
{
    QFile file(Folder() + '/' + name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text);
}
