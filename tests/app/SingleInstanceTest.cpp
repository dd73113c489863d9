// One copy per user: the socket guard itself, and two starts of the program.
#include "app/SingleInstance.h"

#include "tests/app/AppFixture.h"

#include "app/Commands.h"
#include "store/DovaneDatabase.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <thread>
#include <unistd.h>

TEST(SingleInstance, TheNameIsPerUserAndCarriesTheFixedPrefix)
{
    EXPECT_TRUE(CSingleInstance::DefaultName().startsWith("TAVRIN-"));
    EXPECT_TRUE(CSingleInstance::DefaultName().endsWith(QStringLiteral("-%1").arg(::getuid())));
}

TEST(SingleInstance, ALaterCopyHandsItsFileNameToTheFirst)
{
    const QString name = UniqueInstanceName();
    CSingleInstance first(name);
    ASSERT_EQ(first.ClaimOrHandOver(""), CSingleInstance::Claim::First);
    QSignalSpy received(&first, &CSingleInstance::fileNameReceived);

    // Both copies share this thread here, so the first cannot answer in time; the later copy
    // still ends and the name still arrives.
    CSingleInstance later(name);
    EXPECT_EQ(later.ClaimOrHandOver("/data/stock.tvd"), CSingleInstance::Claim::AnotherRuns);
    ASSERT_TRUE(received.wait(2000));
    EXPECT_EQ(received[0][0].toString(), "/data/stock.tvd");
}

TEST(SingleInstance, ARunningCopyAnswersAHandOverWithinTheTimeLimit)
{
    const QString name = UniqueInstanceName();
    CSingleInstance first(name);
    ASSERT_EQ(first.ClaimOrHandOver(""), CSingleInstance::Claim::First);
    QSignalSpy received(&first, &CSingleInstance::fileNameReceived);

    CSingleInstance::HandOverResult result = CSingleInstance::HandOverResult::NoCopy;
    std::thread later([&] { result = CSingleInstance::HandOver(name, ""); });
    const bool arrived = QTest::qWaitFor([&received] { return !received.isEmpty(); }, 2000);
    later.join();
    ASSERT_TRUE(arrived);
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(result, CSingleInstance::HandOverResult::Delivered);
    EXPECT_EQ(received[0][0].toString(), "") << "an empty name is handed over as such";
}

TEST(SingleInstance, NoCopyListeningMeansNoHandOver)
{
    EXPECT_EQ(CSingleInstance::HandOver(UniqueInstanceName(), "x.tvd"),
              CSingleInstance::HandOverResult::NoCopy);
}

TEST(SingleInstance, ANameLeftBehindByACopyThatDiedIsTakenOver)
{
    const QString name = UniqueInstanceName();
    QFile leftOver(QDir::tempPath() + QLatin1Char('/') + name);
    ASSERT_TRUE(leftOver.open(QIODevice::WriteOnly));
    leftOver.close();

    CSingleInstance copy(name);
    EXPECT_EQ(copy.ClaimOrHandOver(""), CSingleInstance::Claim::First);
}

TEST_F(StartedApp, TwoStartsForTheSameUserHandTheDatasetToTheRunningWindow)
{
    ASSERT_TRUE(Start());
    CMainFrame& frame = Frame();
    frame.showMinimized();
    const std::string path = MakeDataset(folder_, "hand over.tvd");

    CDovaneApp second(instanceName_);
    EXPECT_FALSE(second.InitInstance(ParseCommandLine({path})));
    EXPECT_EQ(second.MainFrame(), nullptr) << "the second copy ends without a window";

    ASSERT_TRUE(QTest::qWaitFor([] { return TheDatabase().IsOpen(); }, 2000));
    EXPECT_EQ(TheDatabase().currentDatasetPath(), path);
    EXPECT_FALSE(frame.isMinimized()) << "the running window is restored";
}

TEST_F(StartedApp, AHandOverOfTheOpenDatasetChangesNothing)
{
    const std::string path = MakeDataset(folder_, "open.tvd");
    ASSERT_TRUE(Start({path}));
    ASSERT_TRUE(Frame().GoToScreen(ID_PARAMETERS));

    Frame().OnHandOver(QString::fromStdString(path));
    Frame().OnHandOver(QString());
    EXPECT_EQ(Frame().ActiveView(), static_cast<CDovaneScreenView*>(Frame().ParamEdit()))
        << "reopening would have gone back to the start screen";
}
