// The queue list and the printer dialog against the test program's own
// scheduler, the dialog driven through its widgets.
#include "CupsFixture.h"

#include "output/CCupsPrinter.h"
#include "output/CCupsQueueList.h"
#include "output/CEngraverDevice.h"
#include "output/dialogs/CEngraverPropertiesDlg.h"
#include "output/dialogs/CPrintSetupDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString engraverModel = QStringLiteral("Corvex KTX-90 Engraver");

// One of the scheduler's command-line tools, on the test scheduler.
void RunTool(const QString& tool, const QStringList& arguments)
{
    ASSERT_TRUE(CupsTestServer::Instance().Admin(tool, arguments)) << qPrintable(tool);
}

// A queue held back for one test and let go again whatever the test finds:
// the scheduler outlives the test.
class HeldQueue
{
public:
    HeldQueue(QString hold, QString release, QStringList arguments)
        : m_strRelease(std::move(release))
        , m_arguments(std::move(arguments))
    {
        RunTool(hold, m_arguments);
    }
    ~HeldQueue() { RunTool(m_strRelease, {m_arguments.last()}); }

private:
    QString m_strRelease;
    QStringList m_arguments;
};

const CCupsQueueList::Queue* Find(const std::vector<CCupsQueueList::Queue>& queues, const QString& name)
{
    for (const CCupsQueueList::Queue& queue : queues) {
        if (queue.name == name)
            return &queue;
    }
    return nullptr;
}

struct PrintSetupFixture : CupsFixture
{
    static std::unique_ptr<CPrintSetupDlg> Show(CPrintSetupDlg::Mode mode, const QString& current = QString())
    {
        auto dialog = std::make_unique<CPrintSetupDlg>(mode, CCupsQueueList().Queues(), current);
        dialog->show();
        return dialog;
    }

    template <class Widget>
    static Widget* Child(QWidget& dialog, const char* name)
    {
        auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }

    static QString ChosenQueue(CPrintSetupDlg& dialog)
    {
        auto* table = Child<QTableWidget>(dialog, "queues");
        return table->item(table->currentRow(), 0)->text();
    }

    static void ClickQueue(CPrintSetupDlg& dialog, const QString& name)
    {
        auto* table = Child<QTableWidget>(dialog, "queues");
        const QList<QTableWidgetItem*> found = table->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(found.first()).center());
        ASSERT_EQ(ChosenQueue(dialog), name);
    }

    static QStringList PaperTexts(CPrintSetupDlg& dialog)
    {
        auto* paper = Child<QComboBox>(dialog, "paper");
        QStringList texts;
        for (int i = 0; i < paper->count(); ++i)
            texts << paper->itemText(i);
        return texts;
    }

    static void ClickButton(QWidget& dialog, QDialogButtonBox::StandardButton which)
    {
        QTest::mouseClick(Child<QDialogButtonBox>(dialog, "buttons")->button(which), Qt::LeftButton);
    }

    // Opens the engraver's properties, lets answer fill them in, and closes
    // them with the given button.
    static void EditProperties(CPrintSetupDlg& dialog, std::function<void(CEngraverPropertiesDlg&)> answer,
                               QDialogButtonBox::StandardButton close)
    {
        bool answered = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* properties = qobject_cast<CEngraverPropertiesDlg*>(QApplication::activeModalWidget())) {
                poll.stop();
                answer(*properties);
                answered = true;
                ClickButton(*properties, close);
            }
        });
        poll.start();
        QTest::mouseClick(Child<QPushButton>(dialog, "properties"), Qt::LeftButton);
        EXPECT_TRUE(answered);
    }

    static void Type(QAbstractSpinBox* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    static CEngraverAdjustments StoredAdjustments()
    {
        CEngraverAdjustments adjustments{1, 2, 3};
        EXPECT_TRUE(CCupsPrinter(engraverQueue, engraverModel).GetEngraverAdjustments(adjustments));
        return adjustments;
    }

    // Either lpoptions file: root writes the system's.
    static bool NothingStored()
    {
        const CupsTestServer& server = CupsTestServer::Instance();
        return !QFile::exists(server.UserOptionsFile()) && !QFile::exists(server.SystemOptionsFile());
    }

    static int LaserPageHeight()
    {
        CEngraverDevice laser(laserQueue);
        EXPECT_TRUE(laser.Query());
        return laser.PageHeight();
    }
};

} // namespace

TEST_F(PrintSetupFixture, TheListHasEveryQueueWithWhatPeopleChooseBy)
{
    const std::vector<CCupsQueueList::Queue> queues = CCupsQueueList().Queues();
    ASSERT_EQ(queues.size(), 5u);
    const CCupsQueueList::Queue* engraver = Find(queues, engraverQueue);
    const CCupsQueueList::Queue* laser = Find(queues, laserQueue);
    ASSERT_TRUE(engraver && laser);
    EXPECT_EQ(engraver->makeAndModel, engraverModel);
    EXPECT_TRUE(engraver->isEngraver);
    EXPECT_TRUE(engraver->deviceUri.startsWith(QLatin1String("veldrajob:"))) << qPrintable(engraver->deviceUri);
    EXPECT_EQ(laser->makeAndModel, QStringLiteral("Generic Office Laser"));
    EXPECT_FALSE(laser->isEngraver);
    EXPECT_EQ(laser->deviceUri, QStringLiteral("file:///dev/null"));
    EXPECT_EQ(CPrintSetupRules::StateText(*laser), QStringLiteral("Ready"));
    EXPECT_TRUE(laser->acceptingJobs);

    const std::unique_ptr<CPrintSetupDlg> dialog = Show(CPrintSetupDlg::Mode::setup);
    auto* table = Child<QTableWidget>(*dialog, "queues");
    ASSERT_EQ(table->rowCount(), 5);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(table->item(row, 2)->text(), QStringLiteral("Ready"));
    EXPECT_EQ(table->findItems(QStringLiteral("Generic Office Laser"), Qt::MatchExactly).size(), 1);
    EXPECT_FALSE(Child<QLabel>(*dialog, "noQueues")->isVisible());
}

// The scheduler gone: libcups only reads the server once, so it is told.
TEST_F(PrintSetupFixture, WithoutASchedulerThereAreNoQueues)
{
    cupsSetServer("/nonexistent/cups.sock");
    const size_t count = CCupsQueueList().Queues().size();
    cupsSetServer(nullptr);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(CCupsQueueList().Queues().size(), 5u);
}

TEST_F(PrintSetupFixture, TheUsersDefaultQueueIsMarked)
{
    RunTool(QStringLiteral("lpoptions"), {QStringLiteral("-d"), laserQueue});
    const std::vector<CCupsQueueList::Queue> queues = CCupsQueueList().Queues();
    ASSERT_TRUE(Find(queues, laserQueue));
    EXPECT_TRUE(Find(queues, laserQueue)->isDefault);
    EXPECT_FALSE(Find(queues, engraverQueue)->isDefault);
    EXPECT_EQ(ChosenQueue(*Show(CPrintSetupDlg::Mode::setup)), laserQueue);
    EXPECT_EQ(ChosenQueue(*Show(CPrintSetupDlg::Mode::setup, engraverQueue)), engraverQueue);
}

TEST_F(PrintSetupFixture, AStoppedOrRejectingQueueSaysSo)
{
    {
        const HeldQueue stopped(QStringLiteral("cupsdisable"), QStringLiteral("cupsenable"),
                                {QStringLiteral("-r"), QStringLiteral("Out of plates"), laserQueue});
        const std::unique_ptr<CPrintSetupDlg> dialog = Show(CPrintSetupDlg::Mode::setup);
        auto* table = Child<QTableWidget>(*dialog, "queues");
        const int row = table->findItems(laserQueue, Qt::MatchExactly).first()->row();
        EXPECT_EQ(table->item(row, 2)->text(), QStringLiteral("Stopped: Out of plates"));
    }
    {
        const HeldQueue rejecting(QStringLiteral("cupsreject"), QStringLiteral("cupsaccept"), {laserQueue});
        const std::vector<CCupsQueueList::Queue> queues = CCupsQueueList().Queues();
        const CCupsQueueList::Queue* laser = Find(queues, laserQueue);
        ASSERT_TRUE(laser);
        EXPECT_FALSE(laser->acceptingJobs);
        EXPECT_TRUE(CPrintSetupRules::StateText(*laser).startsWith(QLatin1String("Ready, not accepting jobs")))
            << qPrintable(CPrintSetupRules::StateText(*laser));
    }
    const std::vector<CCupsQueueList::Queue> queues = CCupsQueueList().Queues();
    const CCupsQueueList::Queue* laser = Find(queues, laserQueue);
    ASSERT_TRUE(laser);
    EXPECT_EQ(laser->state, CCupsQueueList::idle);
    EXPECT_TRUE(laser->acceptingJobs);
}

TEST_F(PrintSetupFixture, EachQueueOffersItsPapersAndPropertiesOnlyForTheEngraver)
{
    const std::unique_ptr<CPrintSetupDlg> dialog = Show(CPrintSetupDlg::Mode::setup, engraverQueue);
    EXPECT_EQ(ChosenQueue(*dialog), engraverQueue);
    EXPECT_EQ(PaperTexts(*dialog), QStringList{QStringLiteral("90 x 90 mm")});
    EXPECT_TRUE(Child<QPushButton>(*dialog, "properties")->isEnabled());

    ClickQueue(*dialog, laserQueue);
    EXPECT_EQ(PaperTexts(*dialog), (QStringList{QStringLiteral("A4"), QStringLiteral("Letter")}));
    EXPECT_EQ(Child<QComboBox>(*dialog, "paper")->currentText(), QStringLiteral("A4"));
    EXPECT_FALSE(Child<QPushButton>(*dialog, "properties")->isEnabled());
}

TEST_F(PrintSetupFixture, OkKeepsThePaperAndConfirmedAdjustments)
{
    const std::unique_ptr<CPrintSetupDlg> dialog = Show(CPrintSetupDlg::Mode::setup, engraverQueue);
    EditProperties(*dialog, [](CEngraverPropertiesDlg& properties) {
        EXPECT_DOUBLE_EQ(Child<QDoubleSpinBox>(properties, "gamma")->value(), 0.5);
        // Wide enough for its title beside a title bar's buttons.
        EXPECT_GE(properties.width(), properties.fontMetrics().horizontalAdvance(properties.windowTitle()) + 100);
        Type(Child<QSpinBox>(properties, "brightness"), QStringLiteral("12"));
        Type(Child<QSpinBox>(properties, "contrast"), QStringLiteral("-7"));
        Type(Child<QDoubleSpinBox>(properties, "gamma"), properties.locale().toString(1.15, 'f', 2));
    }, QDialogButtonBox::Ok);
    ClickButton(*dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->QueueName(), engraverQueue);
    EXPECT_EQ(dialog->MakeAndModel(), engraverModel);
    EXPECT_TRUE(dialog->DeviceUri().startsWith(QLatin1String("veldrajob:")));
    EXPECT_EQ(StoredAdjustments(), (CEngraverAdjustments{12, -7, 15}));

    const std::unique_ptr<CPrintSetupDlg> again = Show(CPrintSetupDlg::Mode::setup, laserQueue);
    QTest::keyClick(Child<QComboBox>(*again, "paper"), Qt::Key_Down);
    ClickButton(*again, QDialogButtonBox::Ok);
    EXPECT_EQ(LaserPageHeight(), 2794); // Letter: 11 in
    EXPECT_EQ(CCupsPrinter(laserQueue, QString()).ChosenPaper(), QStringLiteral("Letter"));
    EXPECT_EQ(StoredAdjustments(), (CEngraverAdjustments{12, -7, 15}));
}

TEST_F(PrintSetupFixture, CancelKeepsNothing)
{
    const std::unique_ptr<CPrintSetupDlg> dialog = Show(CPrintSetupDlg::Mode::setup, engraverQueue);
    EditProperties(*dialog, [](CEngraverPropertiesDlg& properties) {
        Type(Child<QSpinBox>(properties, "brightness"), QStringLiteral("30"));
    }, QDialogButtonBox::Ok);
    ClickQueue(*dialog, laserQueue);
    QTest::keyClick(Child<QComboBox>(*dialog, "paper"), Qt::Key_Down);
    ClickButton(*dialog, QDialogButtonBox::Cancel);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(LaserPageHeight(), 2970);
    EXPECT_EQ(StoredAdjustments(), (CEngraverAdjustments{0, 0, -500}));
    EXPECT_TRUE(NothingStored());

    // Properties cancelled: OK then keeps no adjustments either.
    const std::unique_ptr<CPrintSetupDlg> again = Show(CPrintSetupDlg::Mode::setup, engraverQueue);
    EditProperties(*again, [](CEngraverPropertiesDlg& properties) {
        Type(Child<QSpinBox>(properties, "brightness"), QStringLiteral("30"));
    }, QDialogButtonBox::Cancel);
    ClickButton(*again, QDialogButtonBox::Ok);
    EXPECT_EQ(again->result(), QDialog::Accepted);
    EXPECT_TRUE(NothingStored());
}

TEST_F(PrintSetupFixture, PrintAsksForCopiesAndSaysPrint)
{
    const std::unique_ptr<CPrintSetupDlg> dialog = Show(CPrintSetupDlg::Mode::print, laserQueue);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Print"));
    QPushButton* ok = Child<QDialogButtonBox>(*dialog, "buttons")->button(QDialogButtonBox::Ok);
    EXPECT_EQ(ok->text().remove(QLatin1Char('&')), QStringLiteral("Print"));
    auto* copies = Child<QSpinBox>(*dialog, "copies");
    EXPECT_EQ(copies->value(), 1);
    Type(copies, QStringLiteral("1234"));
    EXPECT_EQ(copies->value(), 123); // the fourth digit does not fit
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Copies(), 123);
    EXPECT_EQ(dialog->QueueName(), laserQueue);

    const std::unique_ptr<CPrintSetupDlg> setup = Show(CPrintSetupDlg::Mode::setup);
    EXPECT_EQ(setup->windowTitle(), QStringLiteral("Print Setup"));
    EXPECT_EQ(setup->findChild<QSpinBox*>(QStringLiteral("copies")), nullptr);
}

// Needs no scheduler: the dialog is handed an empty list.
TEST(PrintSetupDlg, WithoutPrintersItSaysSoAndCannotBeConfirmed)
{
    CPrintSetupDlg dialog(CPrintSetupDlg::Mode::print, {}, QStringLiteral("Office_Laser"));
    dialog.show();
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("noQueues"));
    ASSERT_TRUE(label);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), QStringLiteral("No printers are installed."));
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"))->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("properties"))->isEnabled());
    EXPECT_FALSE(dialog.findChild<QComboBox*>(QStringLiteral("paper"))->isEnabled());
    dialog.accept();
    EXPECT_EQ(dialog.QueueName(), QString());
    EXPECT_TRUE(dialog.isVisible());
}
