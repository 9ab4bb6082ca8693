#include "CStartupCommands.h"

#include "view/CCommandRouter.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace CStartupCommands {

void Schedule(CCommandRouter& router, QObject* context)
{
    const QStringList steps = qEnvironmentVariable("VELDRA2_TEST_COMMANDS").split(QLatin1Char(','), Qt::SkipEmptyParts);
    int at = 0;
    for (const QString& step : steps) {
        if (step.startsWith(QLatin1Char('@'))) {
            at += step.mid(1).toInt();
            continue;
        }
        const CommandId id = CommandId(step.toInt());
        QTimer::singleShot(at, context, [&router, id] { router.Execute(id); });
    }
}

} // namespace CStartupCommands
