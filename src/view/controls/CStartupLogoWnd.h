#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

// The picture shown while the program starts: a frameless window in the
// middle of the screen with the version in its corner. It goes away after
// two seconds, or at once on any mouse press or key press in the program,
// which it swallows. Only one is open at a time.
class CStartupLogoWnd : public QWidget
{
    Q_OBJECT

public:
    static constexpr int showMilliseconds = 2000;

    // Opens the logo window; nullptr when one is already open or the
    // picture cannot be loaded (then there is no logo at all).
    static CStartupLogoWnd* Open(const QString& picturePath = DefaultPicturePath());
    static CStartupLogoWnd* Current() { return s_pCurrent; }
    static QString DefaultPicturePath();
    // A null image when the file is missing or is no picture.
    static QImage LoadPicture(const QString& path);

    ~CStartupLogoWnd() override;

    // Hides the window, tells closed() and goes away; once.
    void Dismiss();
    int RemainingMilliseconds() const { return m_timer.remainingTime(); }

signals:
    // The main frame then runs its after-start-up work.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit CStartupLogoWnd(const QImage& picture);

    static bool IsDismissingInput(const QEvent* event);

    static CStartupLogoWnd* s_pCurrent;
    QImage m_picture;
    QTimer m_timer;
    bool m_bDismissed = false;
};
