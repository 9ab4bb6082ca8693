// Windows as a desktop with a real window manager shows them: framed,
// stacked and placed by the manager. Runs under scripts/with-window-manager.sh;
// elsewhere (no X display) the tests are skipped.
#include "DialogDriver.h"
#include "MainWindowFixture.h"

#include "settings/CAppSettings.h"
#include "view/CVeldraView.h"
#include "view/CommandId.h"
#include "view/layers/CLayerWindow.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

xcb_connection_t* Connection()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_window_t Root()
{
    return xcb_setup_roots_iterator(xcb_get_setup(Connection())).data->root;
}

// Where the X server has the window's client area now.
QPoint ClientOrigin(const QWidget& window)
{
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(
        Connection(), xcb_translate_coordinates(Connection(), xcb_window_t(window.winId()), Root(), 0, 0), nullptr);
    if (!reply)
        return {-1, -1};
    const QPoint origin(reply->dst_x, reply->dst_y);
    free(reply);
    return origin;
}

// Asks for the window to be moved as a user's drag has the manager move it,
// and waits until the program has heard where it went: the program's own
// idea of its place changes only from the server's events, in order.
QPoint MoveByManager(const QWidget& window, QPoint to)
{
    const QPoint from = ClientOrigin(window);
    const std::uint32_t place[] = {std::uint32_t(to.x()), std::uint32_t(to.y())};
    xcb_configure_window(Connection(), xcb_window_t(window.winId()), XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, place);
    xcb_flush(Connection());
    QTest::qWaitFor(
        [&] {
            const QPoint now = ClientOrigin(window);
            return now != from && window.geometry().topLeft() == now;
        },
        20000);
    return ClientOrigin(window);
}

// The client windows from the bottom of the stack to the top, as the
// window manager keeps them.
std::vector<xcb_window_t> Stacking()
{
    xcb_connection_t* connection = Connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const char name[] = "_NET_CLIENT_LIST_STACKING";
    xcb_intern_atom_reply_t* atom
        = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
    std::vector<xcb_window_t> windows;
    if (!atom)
        return windows;
    xcb_get_property_reply_t* property = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, screen->root, atom->atom, XCB_ATOM_WINDOW, 0, 4096), nullptr);
    free(atom);
    if (!property)
        return windows;
    const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(property));
    windows.assign(ids, ids + xcb_get_property_value_length(property) / sizeof(xcb_window_t));
    free(property);
    return windows;
}

// A user opens a window again once the last one has gone from the screen:
// the manager has let go of it.
bool Gone(xcb_window_t window)
{
    return QTest::qWaitFor(
        [&] {
            const std::vector<xcb_window_t> stack = Stacking();
            return std::find(stack.begin(), stack.end(), window) == stack.end();
        },
        20000);
}

int StackPlace(const QWidget& window)
{
    const std::vector<xcb_window_t> stack = Stacking();
    for (size_t place = 0; place < stack.size(); ++place)
        if (stack[place] == window.winId())
            return int(place);
    return -1;
}

bool InAFrame(const QWidget& window)
{
    xcb_query_tree_reply_t* tree
        = xcb_query_tree_reply(Connection(), xcb_query_tree(Connection(), xcb_window_t(window.winId())), nullptr);
    const bool framed = tree && tree->parent != Root();
    free(tree);
    return framed;
}

// A window is where the manager put it once the manager has framed it and
// the program has heard where: the X server's word, asked each time. (What
// the program thinks its frame is may lag behind.)
bool Framed(const QWidget& window)
{
    return QTest::qWaitFor([&] { return InAFrame(window) && ClientOrigin(window) == window.geometry().topLeft(); },
                           20000);
}

class WindowPlacementFixture : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X display with a window manager";
        MainWindowFixture::SetUp();
        ASSERT_TRUE(Framed(*frame));
    }

    // The main window closed as the user closes it and made again, as at
    // the next start.
    void Restart()
    {
        const std::vector<xcb_window_t> windows{xcb_window_t(frame->winId()), xcb_window_t(frame->LayerWindow().winId())};
        frame->close();
        frame.reset();
        for (xcb_window_t window : windows)
            ASSERT_TRUE(Gone(window));
        Make();
        ASSERT_TRUE(Framed(*frame));
    }

    DialogDriver driver;
};

} // namespace

TEST_F(WindowPlacementFixture, DialogsAndTheLayerWindowOpenWhereTheyWereLeft)
{
    // The Text dialog, opened by the horizontal text tool and closed five
    // times, each time once the manager has framed it.
    std::vector<QPoint> opened;
    QPoint client;
    xcb_window_t closed = 0;
    for (int time = 0; time < 5; ++time) {
        driver.Then([&](QDialog& dialog) {
            EXPECT_TRUE(Framed(dialog));
            opened.push_back(ClientOrigin(dialog));
            client = dialog.geometry().topLeft();
            closed = xcb_window_t(dialog.winId());
            dialog.reject();
        });
        frame->Router().Execute(CommandId::ToolHorizontalText);
        QTest::mouseClick(frame->View().viewport(), Qt::LeftButton, {}, frame->View().viewport()->rect().center());
        ASSERT_TRUE(Gone(closed));
    }
    ASSERT_EQ(opened.size(), 5u);
    for (const QPoint& place : opened)
        EXPECT_EQ(place, opened[0]) << "the Text dialog crept";
    const CPoint kept = app->Settings().textPropDlgPos;
    EXPECT_EQ(QPoint(kept.x, kept.y), client);

    // The layer window, left somewhere and the program started again three
    // times.
    CLayerWindow& layers = frame->LayerWindow();
    layers.ShowWindow();
    ASSERT_TRUE(Framed(layers));
    const QPoint left = MoveByManager(layers, {300, 220});
    ASSERT_EQ(layers.geometry().topLeft(), left);
    for (int start = 0; start < 3; ++start) {
        Restart();
        CLayerWindow& shown = frame->LayerWindow();
        ASSERT_TRUE(shown.isVisible());
        ASSERT_TRUE(Framed(shown));
        EXPECT_EQ(ClientOrigin(shown), left) << "start " << start;
    }
}

TEST_F(WindowPlacementFixture, TheLayerWindowShownAtStartLiesAboveTheMainWindow)
{
    frame->LayerWindow().ShowWindow();
    Restart();
    const CLayerWindow& layers = frame->LayerWindow();
    ASSERT_TRUE(layers.isVisible());
    ASSERT_TRUE(Framed(layers));
    ASSERT_TRUE(QTest::qWaitFor([&] { return StackPlace(layers) >= 0 && StackPlace(*frame) >= 0; }, 20000));
    EXPECT_GT(StackPlace(layers), StackPlace(*frame));
}

TEST_F(WindowPlacementFixture, AFirstLayoutFitsTheWindowAndTheWindowKeepsItsSize)
{
    const auto plateFits = [&] {
        CVeldraView& view = frame->View();
        const CSize plate = doc.GetDeviceSize();
        const QRect shown(view.DeviceToClient({0, 0}), view.DeviceToClient({plate.cx - 1, plate.cy - 1}));
        const QRect port = view.viewport()->rect();
        // Whole, and filling the window one way or the other.
        return port.contains(shown) && (shown.width() * 10 > port.width() * 7 || shown.height() * 10 > port.height() * 7);
    };
    EXPECT_TRUE(plateFits());

    // Sized by the user: the plate follows until the user zooms.
    frame->resize(700, 520);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->size() == QSize(700, 520); }, 20000));
    const QPoint left = MoveByManager(*frame, {120, 100});
    ASSERT_EQ(frame->geometry().topLeft(), left);
    EXPECT_TRUE(plateFits());

    Restart();
    EXPECT_EQ(frame->size(), QSize(700, 520));
    EXPECT_EQ(ClientOrigin(*frame), left);
    EXPECT_TRUE(plateFits());
    frame->Router().Execute(CommandId::Zoom400);
    frame->resize(760, 560);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->size() == QSize(760, 560); }, 20000));
    EXPECT_EQ(frame->View().Zoom(), 400);
}
