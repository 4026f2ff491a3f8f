// The graph options dialog: the defaults and last-used options, which
// controls it lets the user edit, the symbol size, a list entry typed wrong,
// Help, and what OK and Cancel leave in the settings and on the chart.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QTest>

#include "graph_test_support.h"

using namespace castovin;
using namespace castovin::test;

class GraphOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void aTypedXTitleStaysWithItsOwnGraph()
    {
        UiFixture f(UiFixture::WithSettingsFile(GraphSettings({})));
        Open(f, UiFixture::Example("default-english.vlb"));
        GraphWindow* window = Graph(f, 2);
        QWidget* dialog = Options(window);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QString("Graph Parameters and Options"));
        REQUIRE_CHILD(QRadioButton, lastUsed, dialog, names::Indexed(names::GraphOptChoice, 1));
        QVERIFY(lastUsed->isChecked());
        for (int i = 0; i < 4; ++i) {
            REQUIRE_CHILD(QLineEdit, title, dialog, QString("Text2_%1").arg(i));
            QCOMPARE(title->isEnabled(), i == 2);
        }
        REQUIRE_CHILD(QLineEdit, sfTitle, dialog, names::Indexed(names::GraphOptXTitle, 2));
        sfTitle->setText("Safety factor");
        REQUIRE_CHILD(QPushButton, ok, dialog, names::GraphOptOk);
        ok->click();
        QCOMPARE(Axis(window, Qt::Horizontal)->titleText(), QString("Safety factor"));
        window->close();

        window = Graph(f, 0);
        QCOMPARE(Axis(window, Qt::Horizontal)->titleText(), QString("CMRR"));
        window->close();
        window = Graph(f, 2);
        QCOMPARE(Axis(window, Qt::Horizontal)->titleText(), QString("Safety factor"));
        window->close();
        CHECK_SCRIPT(f);
    }

    void theDefaultsOptionAndCancel()
    {
        UiFixture f(
            UiFixture::WithSettingsFile(GraphSettings("GraphSetParams=0\r\nGraphTitle=Mine 4\r\nGridStyle=3\r\n")));
        Open(f, UiFixture::Example("default-english.vlb"));
        GraphWindow* window = Graph(f, 1);
        QCOMPARE(window->Chart()->title(), QString("Mine 4"));
        const QByteArray before = ReadBytes(f.DataFolder() + "VELB.INI");

        QWidget* dialog = Options(window);
        QVERIFY(dialog != nullptr);
        REQUIRE_CHILD(QRadioButton, defaults, dialog, names::Indexed(names::GraphOptChoice, 0));
        REQUIRE_CHILD(QLineEdit, title, dialog, names::GraphOptTitle);
        REQUIRE_CHILD(QComboBox, grid, dialog, names::GraphOptGrid);
        QVERIFY(defaults->isChecked());
        QCOMPARE(title->text(), QString("Castovin"));
        QCOMPARE(grid->currentIndex(), 0);
        QStringList locked = {names::GraphOptTitle,    names::GraphOptYTitle,   names::GraphOptGrid,
                              names::GraphOptStyle,    names::GraphOptLegend,   names::GraphOptSize,
                              names::GraphOptSizeText, names::GraphOptSizeLabel};
        for (int graph = 0; graph < 4; ++graph)
            locked << names::Indexed(names::GraphOptXTitle, graph);
        for (const QString& name : locked) {
            REQUIRE_CHILD(QWidget, control, dialog, name);
            QVERIFY2(!control->isEnabled(), qPrintable(name));
        }
        // The last-used option opens the defaults for editing.
        REQUIRE_CHILD(QRadioButton, lastUsed, dialog, names::Indexed(names::GraphOptChoice, 1));
        lastUsed->click();
        QVERIFY(title->isEnabled());
        QCOMPARE(title->text(), QString("Castovin"));
        REQUIRE_CHILD(QLineEdit, depthTitle, dialog, names::Indexed(names::GraphOptXTitle, 1));
        QVERIFY(depthTitle->isEnabled());

        REQUIRE_CHILD(QPushButton, cancel, dialog, names::GraphOptCancel);
        cancel->click();
        QVERIFY(FindTopLevel(names::GraphOptionsDialog) == nullptr);
        QCOMPARE(f.state->environment.Settings.GraphTitle, std::string("Castovin"));
        QCOMPARE(window->Chart()->title(), QString("Castovin"));
        QVERIFY(!Axis(window, Qt::Vertical)->isGridLineVisible());
        QCOMPARE(ReadBytes(f.DataFolder() + "VELB.INI"), before);
        window->close();
        CHECK_SCRIPT(f);
    }

    void symbolSizeFollowsTheGraphStyle()
    {
        UiFixture f(UiFixture::WithSettingsFile(GraphSettings({})));
        Open(f, UiFixture::Example("default-english.vlb"));
        GraphWindow* window = Graph(f, 0);
        QWidget* dialog = Options(window);
        REQUIRE_CHILD(QComboBox, style, dialog, names::GraphOptStyle);
        REQUIRE_CHILD(QScrollBar, size, dialog, names::GraphOptSize);
        REQUIRE_CHILD(QLabel, label, dialog, names::GraphOptSizeLabel);
        REQUIRE_CHILD(QLineEdit, sizeText, dialog, names::GraphOptSizeText);
        QCOMPARE(style->currentText(), QString("Lines & Symbols"));
        QVERIFY(size->isVisible() && label->isVisible());
        QCOMPARE(sizeText->text(), QString("5"));
        style->setCurrentIndex(0);
        QVERIFY(!size->isVisible() && !label->isVisible());
        style->setCurrentIndex(1);
        QVERIFY(size->isVisible() && label->isVisible());
        size->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(sizeText->text(), QString("20"));
        // Reached with Tab and moved with the arrow keys.
        QVERIFY(size->focusPolicy() & Qt::TabFocus);
        QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(size, &left);
        QCOMPARE(sizeText->text(), QString("19"));

        // A typed text that names no entry goes back to the first.
        REQUIRE_CHILD(QComboBox, grid, dialog, names::GraphOptGrid);
        grid->setCurrentIndex(2);
        grid->lineEdit()->setText("Diagonal");
        f.platform->AnswerBox(MsgResult::OK);
        emit grid->lineEdit()->editingFinished();
        QCOMPARE(f.platform->BoxTexts().back(), QString("Please select a valid entry"));
        QCOMPARE(grid->currentIndex(), 0);
        QCOMPARE(grid->currentText(), QString("None"));

        // Help shows the hint and leaves the curve where it is.
        f.platform->AnswerBox(MsgResult::OK);
        REQUIRE_CHILD(QPushButton, help, dialog, names::GraphOptHelp);
        help->click();
        QCOMPARE(f.platform->LastCall().title, QString("Help"));
        dialog->close();
        QCOMPARE(window->CurveCount(), 1);
        QCOMPARE(window->Lines(0)->count(), 4);
        window->close();
        CHECK_SCRIPT(f);
    }

    void okWritesTheGraphSettingsAndRestylesTheChart()
    {
        UiFixture f(UiFixture::WithSettingsFile(GraphSettings({})));
        Open(f, UiFixture::Example("default-english.vlb"));
        GraphWindow* window = Graph(f, 0);
        QWidget* dialog = Options(window);
        REQUIRE_CHILD(QCheckBox, legend, dialog, names::GraphOptLegend);
        REQUIRE_CHILD(QComboBox, style, dialog, names::GraphOptStyle);
        REQUIRE_CHILD(QScrollBar, size, dialog, names::GraphOptSize);
        legend->setChecked(false);
        style->setCurrentIndex(1);
        size->setValue(11);
        REQUIRE_CHILD(QPushButton, ok, dialog, names::GraphOptOk);
        ok->click();
        QCOMPARE(window->CurveLabelCount(), 0);
        QCOMPARE(window->Lines(0)->pen().style(), Qt::NoPen);
        QVERIFY(window->Symbols(0)->isVisible());
        window->ReadFormatBack();
        QCOMPARE(f.state->environment.Settings.SymbolSize, int16_t{11});

        const QString ini = QString::fromUtf8(ReadBytes(f.DataFolder() + "VELB.INI"));
        QVERIFY(ini.contains("GraphSetParams=1\r\n"));
        QVERIFY(ini.contains("GraphStyle=2\r\n"));
        QVERIFY(ini.contains("CurveLegend=0\r\n"));
        QVERIFY(ini.contains("SymbolSize=11\r\n"));
        QVERIFY(Log(f).contains("Saving default settings to file: " + f.DataFolder() + "VELB.INI"));
        window->close();

        // The defaults option with OK writes its index.
        window = Graph(f, 0);
        dialog = Options(window);
        REQUIRE_CHILD(QRadioButton, defaults, dialog, names::Indexed(names::GraphOptChoice, 0));
        defaults->click();
        REQUIRE_CHILD(QPushButton, ok2, dialog, names::GraphOptOk);
        ok2->click();
        QVERIFY(QString::fromUtf8(ReadBytes(f.DataFolder() + "VELB.INI")).contains("GraphSetParams=0\r\n"));
        window->close();
        CHECK_SCRIPT(f);
    }
};

QTEST_MAIN(GraphOptionsTest)
#include "graph_options_test.moc"
#include "ui/app/names.h"
