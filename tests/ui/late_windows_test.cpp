// The graph and help windows and the probabilistic window's charts as the
// program opens them: from their modules, loaded at first use. The other
// window tests link the same windows in.

#include <QApplication>
#include <QTest>

#include "graph_test_support.h"
#include "ui/late/module_late_windows.h"

using namespace castovin;
using namespace castovin::test;

class LateWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void theGraphAndHelpWindowsOpenFromTheirModules()
    {
        UiFixture f(UiFixture::WithSettingsFile(GraphSettings({})));
        ModuleLateWindows modules;
        f.platform->SetLateWindows(modules);
        Open(f, UiFixture::Example("default-english.vlb"));
        f.Trigger(names::Indexed(names::GraphItem, 1));
        QWidget* graph = FindTopLevel(names::GraphWindow);
        QVERIFY(graph != nullptr);
        // The module's own window class, known here by its name and parts.
        QVERIFY(graph->findChild<QChartView*>() != nullptr);
        QVERIFY(!f.Main().isEnabled());
        graph->close();
        QVERIFY(f.Main().isEnabled());

        // The probabilistic window's charts come from the same module.
        f.Trigger(names::UtilProbabilisticItem);
        QWidget* risk = FindTopLevel(names::RiskWindow);
        QVERIFY(risk != nullptr);
        QVERIFY(risk->findChild<QChartView*>(names::Indexed(names::RiskChart, 2)) != nullptr);
        risk->close();

        f.Trigger(names::HelpContentsItem);
        QWidget* help = FindTopLevel(names::HelpWindow);
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        delete help;
        CHECK_SCRIPT(f);
    }
};

QTEST_MAIN(LateWindowsTest)
#include "late_windows_test.moc"
