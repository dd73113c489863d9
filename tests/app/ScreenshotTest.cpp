// Pictures of the start screen, the splash and the frame with each screen, saved under the build
// folder (screenshots/) for a person to look at.
#include "tests/app/AppFixture.h"

#include "app/Commands.h"
#include "app/DovaneSplash.h"
#include "store/DovaneDatabase.h"

#include <QDir>
#include <QTest>

namespace {

QString ScreenshotFolder()
{
    const QString build = qEnvironmentVariable("TAVRIN_BINARY_DIR", QDir::currentPath());
    QDir(build).mkpath("screenshots");
    return build + "/screenshots/";
}

void Save(QWidget& window, const QString& name)
{
    QCoreApplication::processEvents();
    const QPixmap picture = window.grab();
    ASSERT_FALSE(picture.isNull()) << name.toStdString();
    EXPECT_TRUE(picture.save(ScreenshotFolder() + name + ".png")) << name.toStdString();
}

}  // namespace

TEST_F(StartedApp, SavesPicturesOfTheStartScreenTheSplashAndEveryScreen)
{
    ASSERT_TRUE(Start({}, true));
    ASSERT_NE(app_->Splash(), nullptr);
    Save(*app_->Splash(), "splash");
    app_->CloseSplash();
    Save(Frame(), "start-no-dataset");

    ASSERT_TRUE(app_->OpenDocumentFile(QString::fromStdString(MakeDataset(folder_, "shop.tvd"))));
    Save(Frame(), "start");
    const struct {
        int command;
        const char* name;
    } screens[] = {{ID_PARAMETERS, "parameters"}, {ID_VALUES, "values"}, {ID_ITEMS, "items"},
                   {ID_QUERY, "query"},           {ID_VIEW_QUERY, "results"}};
    for (const auto& screen : screens) {
        Frame().OnCommand(screen.command);
        Save(Frame(), screen.name);
    }
    ASSERT_TRUE(app_->OpenDocumentFile(QString::fromStdString(MakeReport(folder_, "r.mox"))));
    Save(Frame(), "report");
}
