#include "CStartupLogoWnd.h"

#include "Version.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

CStartupLogoWnd* CStartupLogoWnd::s_pCurrent = nullptr;

namespace {

constexpr QRgb versionColor = 0x404040;
constexpr int versionRightMargin = 12;
constexpr int versionBottomMargin = 8;

} // namespace

CStartupLogoWnd* CStartupLogoWnd::Open(const QString& picturePath)
{
    if (s_pCurrent)
        return nullptr;
    const QImage picture = LoadPicture(picturePath);
    if (picture.isNull())
        return nullptr;
    auto* window = new CStartupLogoWnd(picture);
    window->show();
    window->repaint();
    return window;
}

QString CStartupLogoWnd::DefaultPicturePath()
{
    return QStringLiteral(":/controls/StartupLogo.svg");
}

QImage CStartupLogoWnd::LoadPicture(const QString& path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) != 0)
        return QImage(path);
    QSvgRenderer renderer(path);
    if (!renderer.isValid() || renderer.defaultSize().isEmpty())
        return {};
    QImage picture(renderer.defaultSize(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

CStartupLogoWnd::CStartupLogoWnd(const QImage& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_picture(picture)
{
    s_pCurrent = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::ArrowCursor);
    setFixedSize(m_picture.size());
    const QRect screenRect = QGuiApplication::primaryScreen()->geometry();
    move(screenRect.center() - rect().center());

    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CStartupLogoWnd::Dismiss);
    m_timer.start(showMilliseconds);
    qApp->installEventFilter(this);
}

CStartupLogoWnd::~CStartupLogoWnd()
{
    qApp->removeEventFilter(this);
    if (s_pCurrent == this)
        s_pCurrent = nullptr;
}

void CStartupLogoWnd::Dismiss()
{
    if (m_bDismissed)
        return;
    m_bDismissed = true;
    m_timer.stop();
    qApp->removeEventFilter(this);
    s_pCurrent = nullptr;
    close();
    emit closed();
}

bool CStartupLogoWnd::eventFilter(QObject*, QEvent* event)
{
    // A key that is some window's shortcut must not slip past as one.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (!IsDismissingInput(event))
        return false;
    Dismiss();
    return true;
}

bool CStartupLogoWnd::IsDismissingInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::KeyPress:
        return true;
    default:
        return false;
    }
}

void CStartupLogoWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(versionColor));
    const QRect textArea(0, 0, width() - versionRightMargin, height() - versionBottomMargin);
    painter.drawText(textArea, Qt::AlignRight | Qt::AlignBottom, tr("Version %1").arg(QStringLiteral(VELDRA_VERSION_TEXT)));
}
