#pragma once

#include <QObject>

class QWidget;

// Spins the event loop until a widget has painted, as a user waits for a
// window to show something.
class CPaintWatch : public QObject
{
public:
    explicit CPaintWatch(QWidget* widget);

    // False when nothing was painted within the time.
    bool Wait(int milliseconds);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_painted = false;
};
