#include "PaintWatch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

CPaintWatch::CPaintWatch(QWidget* widget)
{
    widget->installEventFilter(this);
}

bool CPaintWatch::Wait(int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (!m_painted && waited.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return m_painted;
}

bool CPaintWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        m_painted = true;
    return QObject::eventFilter(watched, event);
}
