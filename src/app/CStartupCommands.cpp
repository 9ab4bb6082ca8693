#include "CStartupCommands.h"

#include "view/CCommandRouter.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace CStartupCommands {

void Schedule(CCommandRouter& router, QObject* context, std::function<void(int object)> select)
{
    const QString selectStep = QStringLiteral("select:");
    const QStringList steps = qEnvironmentVariable("VELDRA2_TEST_COMMANDS").split(QLatin1Char(','), Qt::SkipEmptyParts);
    int at = 0;
    for (const QString& step : steps) {
        if (step.startsWith(QLatin1Char('@'))) {
            at += step.mid(1).toInt();
            continue;
        }
        if (step.startsWith(selectStep)) {
            const int object = step.mid(selectStep.size()).toInt();
            QTimer::singleShot(at, context, [select, object] { select(object); });
            continue;
        }
        const CommandId id = CommandId(step.toInt());
        QTimer::singleShot(at, context, [&router, id] { router.Execute(id); });
    }
}

} // namespace CStartupCommands
