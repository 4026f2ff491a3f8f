// Every window fits the screen's available area. The test runs at 200 %
// scaling on a 1920x1080 screen (QT_SCALE_FACTOR=2 and an offscreen screen
// of that size, set where the test is registered), where the windows have
// 960x540 logical pixels, and on a 1024x768 screen at 100 %; the logical
// size expected is given as CASTOVIN_LOGICAL_SCREEN (WIDTHxHEIGHT).

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTest>

#include "ui/app/names.h"
#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

class ScreenFitTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowFitsTheScreen_data()
    {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("window");
        const std::pair<QString, const char*> windows[] = {
            {{}, names::MainWindow},
            {names::OutputDesignItem, names::ResultsViewer},
            {names::FilePrintPreviewItem, names::Preview},
            {names::InputDescriptionItem, names::DescriptionEditor},
            {names::InputParametersItem, names::ParametersEditor},
            {names::InputCostItem, names::CostEditor},
            {names::UtilSettingsItem, names::SettingsDialog},
            {names::UtilOptionsItem, names::OptionsEditor},
            {names::UtilUnitConversionItem, names::UnitCalculator},
            {names::UtilFileConversionItem, names::ConvertDialog},
            {names::UtilDesignSearchItem, names::SearchWindow},
            {names::UtilProbabilisticItem, names::RiskWindow},
            {names::FileViewSourceItem, names::BrowserWindow},
            {names::OutputGraphDepthItem, names::GraphWindow},
        };
        for (const auto& [item, window] : windows)
            QTest::newRow(window) << item << QString(window);
    }

    void everyWindowFitsTheScreen()
    {
        QFETCH(QString, menuItem);
        QFETCH(QString, window);
        UiFixture f;
        // A saved project of the user's own, so that the conversion opens too.
        const QString project = f.File("mine.vlb");
        QFile::copy(UiFixture::Example("default-english.vlb"), project);
        f.platform->AnswerFile(project);
        f.Trigger(names::FileOpenItem);
        if (!menuItem.isEmpty())
            f.Trigger(menuItem);
        QWidget* opened = FindTopLevel(window);
        QVERIFY2(opened != nullptr, qPrintable("not opened: " + window));
        QCoreApplication::processEvents();
        const QRect available = opened->screen()->availableGeometry();
        const QStringList logical = qEnvironmentVariable("CASTOVIN_LOGICAL_SCREEN").split('x');
        QCOMPARE(logical.size(), 2);
        QCOMPARE(available.size(), QSize(logical[0].toInt(), logical[1].toInt()));
        const QRect frame = opened->frameGeometry();
        QVERIFY2(available.contains(frame), qPrintable(QString("%1: %2x%3 at %4,%5 on %6x%7")
                                                           .arg(window)
                                                           .arg(frame.width())
                                                           .arg(frame.height())
                                                           .arg(frame.x())
                                                           .arg(frame.y())
                                                           .arg(available.width())
                                                           .arg(available.height())));
        if (opened != &f.Main())
            opened->close();
    }
};

QTEST_MAIN(ScreenFitTest)
#include "screen_fit_test.moc"
