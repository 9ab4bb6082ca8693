// The printer dialog's decisions, without a scheduler or a window.
#include "output/dialogs/CPrintSetupRules.h"

#include <gtest/gtest.h>

namespace {

CCupsQueueList::Queue MakeQueue(const char* name, bool isDefault = false, bool isEngraver = false)
{
    CCupsQueueList::Queue queue;
    queue.name = QString::fromLatin1(name);
    queue.state = CCupsQueueList::idle;
    queue.isDefault = isDefault;
    queue.isEngraver = isEngraver;
    return queue;
}

std::vector<CCupsPpd::PaperSize> Papers()
{
    return {{QStringLiteral("A4"), QStringLiteral("A4"), {595, 842}},
            {QStringLiteral("Letter"), QStringLiteral("Letter"), {612, 792}}};
}

} // namespace

TEST(PrintSetupRules, OpensOnTheCurrentQueueElseTheDefaultElseTheFirst)
{
    const std::vector<CCupsQueueList::Queue> queues{MakeQueue("a"), MakeQueue("b", true), MakeQueue("c")};
    EXPECT_EQ(CPrintSetupRules(queues, QStringLiteral("c")).Row(), 2);
    EXPECT_EQ(CPrintSetupRules(queues, QStringLiteral("gone")).Row(), 1);
    EXPECT_EQ(CPrintSetupRules(queues, QString()).Row(), 1);
    EXPECT_EQ(CPrintSetupRules({MakeQueue("a"), MakeQueue("b")}, QStringLiteral("gone")).Row(), 0);

    CPrintSetupRules none({}, QStringLiteral("a"));
    EXPECT_EQ(none.Row(), -1);
    EXPECT_FALSE(none.CanAccept());
    EXPECT_FALSE(none.HasProperties());
    none.SelectRow(0);
    EXPECT_EQ(none.Selected(), nullptr);
    none.SetPapers(Papers(), QString(), QStringLiteral("A4"));
    EXPECT_TRUE(none.Papers().empty());
    EXPECT_EQ(none.PaperToStore(), std::nullopt);
}

TEST(PrintSetupRules, StateTextSaysWhyAQueueWillNotPrint)
{
    CCupsQueueList::Queue queue = MakeQueue("q");
    EXPECT_EQ(CPrintSetupRules::StateText(queue), QStringLiteral("Ready"));
    queue.state = CCupsQueueList::processing;
    EXPECT_EQ(CPrintSetupRules::StateText(queue), QStringLiteral("Printing"));
    queue.state = CCupsQueueList::stopped;
    queue.acceptingJobs = false;
    EXPECT_EQ(CPrintSetupRules::StateText(queue), QStringLiteral("Stopped, not accepting jobs"));
    queue.stateMessage = QStringLiteral("Out of plates");
    EXPECT_EQ(CPrintSetupRules::StateText(queue), QStringLiteral("Stopped, not accepting jobs: Out of plates"));
    queue.state = CCupsQueueList::unknown;
    queue.acceptingJobs = true;
    queue.stateMessage.clear();
    EXPECT_EQ(CPrintSetupRules::StateText(queue), QStringLiteral("Unknown"));
}

TEST(PrintSetupRules, PropertiesAndTheirValuesBelongToTheEngraverChosen)
{
    CPrintSetupRules rules({MakeQueue("laser", true), MakeQueue("engraver", false, true)}, QString());
    EXPECT_FALSE(rules.HasProperties());
    rules.SetAdjustments({1, 2, 3});
    EXPECT_EQ(rules.ConfirmedAdjustments(), std::nullopt);

    rules.SelectRow(1);
    EXPECT_TRUE(rules.HasProperties());
    EXPECT_EQ(rules.ConfirmedAdjustments(), std::nullopt);
    rules.SetAdjustments({70, -2, 1000});
    EXPECT_EQ(rules.ConfirmedAdjustments(), (CEngraverAdjustments{50, -2, 899}));
    // Going to another queue and OK there stores nothing of the engraver's.
    rules.SelectRow(0);
    EXPECT_EQ(rules.ConfirmedAdjustments(), std::nullopt);
    rules.SelectRow(5);
    EXPECT_EQ(rules.Row(), 0);
}

TEST(PrintSetupRules, OnlyAPaperThatChangesWhatAppliesIsStored)
{
    CPrintSetupRules rules({MakeQueue("laser"), MakeQueue("other")}, QString());
    EXPECT_FALSE(rules.HasPapers());
    rules.SetPapers(Papers(), QString(), QStringLiteral("A4"));
    EXPECT_EQ(rules.PaperIndex(), 0);
    EXPECT_EQ(rules.PaperToStore(), std::nullopt);
    rules.SelectPaper(1);
    EXPECT_EQ(rules.PaperToStore(), QStringLiteral("Letter"));
    rules.SelectPaper(7);
    EXPECT_EQ(rules.PaperIndex(), 1);

    // Each queue keeps its own papers while the dialog is open.
    rules.SelectRow(1);
    EXPECT_FALSE(rules.HasPapers());
    EXPECT_EQ(rules.PaperIndex(), -1);
    rules.SetPapers(Papers(), QStringLiteral("Letter"), QStringLiteral("A4"));
    EXPECT_EQ(rules.PaperIndex(), 1);
    rules.SelectPaper(0);
    EXPECT_EQ(rules.PaperToStore(), QStringLiteral("A4"));
    rules.SelectRow(0);
    EXPECT_EQ(rules.PaperToStore(), QStringLiteral("Letter"));

    // A choice the queue no longer offers leaves the queue's default.
    rules.SetPapers(Papers(), QStringLiteral("Legal"), QStringLiteral("Letter"));
    EXPECT_EQ(rules.PaperIndex(), 1);
    rules.SetPapers(Papers(), QString(), QString());
    EXPECT_EQ(rules.PaperIndex(), 0);
}

// Every two-decimal gamma the field can show must give the code that means
// exactly that gamma, on both sides of 1.0.
TEST(PrintSetupRules, ShownGammaAndCodeRoundTripAtEveryStep)
{
    EXPECT_DOUBLE_EQ(CPrintSetupRules::ShownGamma(-500), 0.5);
    EXPECT_DOUBLE_EQ(CPrintSetupRules::ShownGamma(250), 3.5);
    EXPECT_EQ(CPrintSetupRules::GammaCode(1.15, -500), 15);
    EXPECT_EQ(CPrintSetupRules::GammaCode(0.29, -500), -710);
    for (int hundredths = 10; hundredths <= 999; ++hundredths) {
        const int code = hundredths >= 100 ? hundredths - 100 : hundredths * 10 - 1000;
        EXPECT_EQ(CPrintSetupRules::GammaCode(hundredths / 100.0, 0), code) << hundredths;
        EXPECT_DOUBLE_EQ(CPrintSetupRules::ShownGamma(code), hundredths / 100.0);
    }
    // A code finer than the field shows survives a look at it.
    EXPECT_EQ(CPrintSetupRules::GammaCode(0.5, -505), -505);
    EXPECT_EQ(CPrintSetupRules::GammaCode(0.51, -505), -490);
    EXPECT_EQ(CPrintSetupRules::GammaCode(0.01, 0), -900);
    EXPECT_EQ(CPrintSetupRules::GammaCode(12, 0), 899);
}
