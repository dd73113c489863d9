#include "tests/app/AppFixture.h"

#include "platform/Settings.h"
#include "store/DatasetTemplate.h"
#include "store/DovaneDatabase.h"

#include <QCoreApplication>

QString UniqueInstanceName()
{
    static int counter = 0;
    return QStringLiteral("TAVRIN-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++counter);
}

std::string MakeDataset(const TempFolder& folder, const std::string& name)
{
    std::string error;
    const std::string path = folder.Path(name);
    EXPECT_TRUE(CreateDataset(path, error)) << error;
    return path;
}

std::string MakeReport(const TempFolder& folder, const std::string& name)
{
    const std::string path = folder.Path(name);
    HMOXDOC report = MoxOpenDoc(nullptr, "Test report", 0);
    MoxPrint(report, 200, 200, "A report for the viewer");
    EXPECT_EQ(MoxWriteDoc(report, path.c_str()), 1) << "last error " << MoxGetLastError(report);
    MoxCloseDoc(report);
    return path;
}

void AppTestBase::SetUp()
{
    ASSERT_TRUE(settings_.isValid());
    UseSettingsFolder(settings_.path());
}

void AppTestBase::TearDown()
{
    TheDatabase().CloseDataset();
    TheDatabase().SetCurrentDatasetPath("");
}

bool StartedApp::Start(const std::vector<std::string>& arguments, bool splash)
{
    if (!splash)
        WriteUiSetting(kShowSplashSetting, 0);
    app_ = std::make_unique<CDovaneApp>(instanceName_);
    return app_->InitInstance(ParseCommandLine(arguments));
}

void StartedApp::TearDown()
{
    app_.reset();
    AppTestBase::TearDown();
}

void FrameHarness::SetUp()
{
    AppTestBase::SetUp();
    app_ = std::make_unique<CDovaneApp>(UniqueInstanceName());
    doc_ = std::make_unique<CDovaneDoc>(recent_);
    frame_ = std::make_unique<CMainFrame>(*app_, *doc_);
    doc_->SetFrame(frame_.get());
    params_ = new Recording<CDovaneParamEdit>;
    values_ = new Recording<CDovaneValueEdit>;
    items_ = new Recording<CDovaneItemEdit>;
    queryEdit_ = new Recording<CDovaneQueryEdit>;
    queryView_ = new CDovaneQueryView;
    report_ = new CDovaneReportView;
    frame_->AddScreens(params_, values_, items_, queryEdit_, queryView_, report_);
    frame_->show();
}

void FrameHarness::TearDown()
{
    frame_.reset();
    doc_.reset();
    app_.reset();
    AppTestBase::TearDown();
}

std::string FrameHarness::OpenNewDataset(const std::string& name)
{
    const std::string path = MakeDataset(folder_, name);
    EXPECT_TRUE(doc_->OnOpenDocument(QString::fromStdString(path)));
    EXPECT_TRUE(TheDatabase().IsOpen());
    return path;
}
