#include "CBatchRender.h"

#include "CDataSource.h"
#include "CPlateNames.h"
#include "CRecordLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

const QString CBatchRender::defaultPattern = QStringLiteral("{#}");

CBatchRun::Result CBatchRender::Run(CRecordLayout& layout, const CDataSource& data, const CRecordRange& range,
                                    const QString& folder, const QString& pattern, const QDate& date,
                                    const CBatchRun::Progress& progress)
{
    CBatchRun::Result refused;
    refused.failedRecord = range.first;
    refused.error = CBatchRun::RangeProblem(range);
    if (!refused.error.isEmpty())
        return refused;
    const std::optional<CPlateNames> names = CPlateNames::For(pattern, data, range, date, &refused.error);
    if (!names)
        return refused;
    refused.error = names->Problem();
    if (!refused.error.isEmpty())
        return refused;
    const QDir target(folder);
    qint64 plateBytes = 0;
    return CBatchRun::Run(layout, data, range, date, [&](int record, QString* error) {
        // Once, before the second plate: the first gave the size of each.
        if (record == range.first + 1) {
            *error = RoomProblem(folder, *names, record, range.last, plateBytes);
            if (!error->isEmpty())
                return false;
        }
        const QString path = target.filePath(names->Name(record, error));
        if (!layout.Renderer().ExportBitmapFile(path, error))
            return false;
        if (record == range.first)
            plateBytes = QFileInfo(path).size();
        return true;
    }, progress);
}

// A plate that replaces a file of the same name needs only what it adds.
QString CBatchRender::RoomProblem(const QString& folder, const CPlateNames& names, int record, int last,
                                  qint64 plateBytes)
{
    const QDir target(folder);
    qint64 needed = 0;
    for (int next = record; next <= last; ++next) {
        const QFileInfo existing(target.filePath(names.Name(next, nullptr)));
        needed += plateBytes - (existing.isFile() ? std::min(existing.size(), plateBytes) : 0);
    }
    QStorageInfo disk(folder);
    const qint64 available = disk.bytesAvailable();
    if (!disk.isValid() || available < 0 || needed <= available)
        return {};
    constexpr double mb = 1024.0 * 1024.0;
    return tr("The other %1 plates need %2 MB and the disk has %3 MB free.")
        .arg(last - record + 1)
        .arg(needed / mb, 0, 'f', 1)
        .arg(available / mb, 0, 'f', 1);
}
