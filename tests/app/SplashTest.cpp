// The splash window: what it shows and which input closes it.
#include "tests/app/AppFixture.h"

#include "app/DovaneSplash.h"
#include "app/HelpWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class SplashShown : public StartedApp {
protected:
    void SetUp() override
    {
        StartedApp::SetUp();
        ASSERT_TRUE(Start({}, true));
        ASSERT_NE(app_->Splash(), nullptr);
        QApplication::setActiveWindow(&Frame());
    }
};

}  // namespace

TEST_F(SplashShown, ShowsThePictureAContinueButtonAndADisabledCheckBox)
{
    CDovaneSplash* splash = app_->Splash();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(CDovaneSplash::Picture().size(), QSize(420, 355));
    EXPECT_EQ(splash->ContinueButton()->text(), "Continue...");
    EXPECT_EQ(splash->DoNotShowAgain()->text(), "Do not show again");
    EXPECT_FALSE(splash->DoNotShowAgain()->isEnabled());
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(splash->palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST_F(SplashShown, AKeyPressClosesTheSplashAndIsNotPassedOn)
{
    QLineEdit edit;
    edit.show();
    QApplication::setActiveWindow(&edit);
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_A);
    EXPECT_EQ(app_->Splash(), nullptr);
    EXPECT_EQ(edit.text(), "") << "the key that closed the splash went nowhere";
    QTest::keyClick(&edit, Qt::Key_B);
    EXPECT_EQ(edit.text(), "b") << "later keys reach the widget";
}

TEST_F(SplashShown, AShortcutKeyClosesTheSplashWithoutRunningItsCommand)
{
    if (CHelpWindow::Existing())
        CHelpWindow::Existing()->close();
    QTest::keyClick(&Frame(), Qt::Key_F1);
    EXPECT_EQ(app_->Splash(), nullptr);
    EXPECT_FALSE(CHelpWindow::Existing() && CHelpWindow::Existing()->isVisible())
        << "F1 must not have opened the help";
    QTest::keyClick(&Frame(), Qt::Key_F1);
    ASSERT_NE(CHelpWindow::Existing(), nullptr);
    EXPECT_TRUE(CHelpWindow::Existing()->isVisible()) << "once the splash is gone F1 works";
    CHelpWindow::Existing()->close();
}

TEST_F(SplashShown, RightAndMiddleClicksCloseItALeftClickDoesNot)
{
    QWidget* target = Frame().centralWidget();
    QTest::mouseClick(target, Qt::LeftButton);
    EXPECT_NE(app_->Splash(), nullptr) << "a left click is no closing event";
    QTest::mouseClick(target, Qt::RightButton);
    EXPECT_EQ(app_->Splash(), nullptr);

    app_->ShowSplash();
    ASSERT_NE(app_->Splash(), nullptr);
    QTest::mouseClick(target, Qt::MiddleButton);
    EXPECT_EQ(app_->Splash(), nullptr);
}

TEST_F(SplashShown, ContinueClosesItAndASecondSplashIsNeverShownOverAFirst)
{
    QPointer<CDovaneSplash> first = app_->Splash();
    app_->ShowSplash();
    EXPECT_EQ(app_->Splash(), first.data());
    QTest::mouseClick(first->ContinueButton(), Qt::LeftButton);
    EXPECT_EQ(app_->Splash(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull()) << "the window is destroyed";
}

TEST_F(StartedApp, NoSplashWhenTheSwitchIsOff)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(app_->Splash(), nullptr);
    EXPECT_EQ(app_->ShowSplashSetting(), 0);
}
