// The unit calculator driven as a user drives it: units chosen with the
// option buttons, numbers typed into the input boxes, tabs switched.

#include <array>

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "core/text/messages.h"
#include "ui/app/names.h"
#include "ui/help/context_help.h"
#include "ui/tools/unit_calculator_dialog.h"
#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

class UnitCalculatorTest : public QObject {
    Q_OBJECT

private:
    // Opens the calculator through Utilities > "Unit Conversion...".
    static QWidget* Open(UiFixture& f)
    {
        f.Trigger(names::UtilUnitConversionItem);
        QApplication::processEvents();
        return FindTopLevel(names::UnitCalculator);
    }

    static QString Box(QWidget* window, const QString& name)
    {
        auto* box = window->findChild<QLineEdit*>(name);
        return box != nullptr ? box->text() : QString("<missing %1>").arg(name);
    }

    // The tabs in their order, and the names of a tab's controls.
    enum Tab { Length, Load, LoadGrad, Stress, StressGrad };
    static const names::CalculatorTabNames& Named(Tab tab) { return names::CalculatorTabs[tab]; }
    static QString Input(Tab tab) { return Named(tab).input; }
    static QString Unit(Tab tab, int unit) { return names::Indexed(Named(tab).options, unit); }
    static QString Result(Tab tab, int unit)
    {
        return names::CalculatorResult + QString::number(Named(tab).results[static_cast<std::size_t>(unit)]);
    }

    // The result boxes of `units` on a tab.
    static QStringList Boxes(QWidget* window, Tab tab, std::initializer_list<int> units)
    {
        QStringList out;
        for (int u : units)
            out << Box(window, Result(tab, u));
        return out;
    }

    // Replaces a field's text by typing, as the keyboard does.
    static void Type(QWidget* window, const QString& field, const QString& text)
    {
        auto* input = window->findChild<QLineEdit*>(field);
        QVERIFY(input != nullptr);
        input->selectAll();
        QTest::keyClick(input, Qt::Key_Delete);
        QTest::keyClicks(input, text);
    }

    static void Choose(QWidget* window, const QString& option)
    {
        auto* button = window->findChild<QRadioButton*>(option);
        QVERIFY2(button != nullptr, qPrintable(option));
        button->click();
        QVERIFY2(button->isChecked(), qPrintable(option));
    }

private slots:
    void opensOnTheLengthTabWithZeroEverywhere()
    {
        UiFixture f(UiFixture::WithSettingsFile("[Settings]\r\nDisplayHistoryWin=1\r\n"));
        QWidget* w = Open(f);
        QVERIFY(w != nullptr);
        QCOMPARE(w->windowTitle(), QString("Unit Conversions"));
        REQUIRE_CHILD(QTabWidget, tabs, w, names::UnitTabs);
        QCOMPARE(tabs->currentIndex(), 0);
        const QStringList captions = {"Length", "Load", "Load Grad", "Stress", "Stress Grad"};
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(tabs->tabText(i), captions[i]);
        const std::array<int, 5> unitCounts = {4, 5, 4, 5, 4};
        for (Tab tab : {Length, Load, LoadGrad, Stress, StressGrad}) {
            QCOMPARE(Box(w, Input(tab)), QString("0"));
            for (int u = 0; u < unitCounts[tab]; ++u) {
                QCOMPARE(Box(w, Result(tab, u)), QString("0"));
                QVERIFY(w->findChild<QLineEdit*>(Result(tab, u))->isReadOnly());
            }
            QVERIFY2(w->findChild<QRadioButton*>(Unit(tab, 0))->isChecked(), qPrintable(Unit(tab, 0)));
            QVERIFY(w->findChild<QRadioButton*>(Unit(tab, unitCounts[tab])) == nullptr);
        }
        QCOMPARE(w->findChild<QRadioButton*>(Unit(Load, 4))->text(), QString("kips"));
        QCOMPARE(w->findChild<QRadioButton*>(Unit(Load, 1))->text(), QString("tonsF (short)"));
        QVERIFY(QString::fromStdString(f.state->messenger.History.Text()).contains("Loading Unit Conversion Form"));
        CHECK_SCRIPT(f);
    }

    void conversionsShownForEveryUnitAtOnce()
    {
        UiFixture f;
        QWidget* w = Open(f);
        QVERIFY(w != nullptr);
        Choose(w, Unit(Length, 1));  // ft
        Type(w, Input(Length), "1");
        QCOMPARE(Boxes(w, Length, {0, 1, 2, 3}), (QStringList{"12", "1", "30.48", "0.3048"}));

        REQUIRE_CHILD(QTabWidget, tabs, w, names::UnitTabs);
        tabs->setCurrentIndex(1);
        Choose(w, Unit(Load, 2));  // kN
        Type(w, Input(Load), "1");
        // The load constants are those of 224.809 lbsF to the kN.
        QCOMPARE(Boxes(w, Load, {0, 1, 2, 3, 4}), (QStringList{"224.809", "0.1124045", "1", "0.001", "0.224809"}));

        tabs->setCurrentIndex(3);
        Choose(w, Unit(Stress, 2));  // psf
        Type(w, Input(Stress), "144");
        QCOMPARE(Box(w, Result(Stress, 0)), QString("1"));
        QCOMPARE(Box(w, Result(Stress, 1)), QString("0.001"));
        Choose(w, Unit(Stress, 0));  // psi, same input: 144 psi
        QCOMPARE(Box(w, Result(Stress, 2)), QString("20736"));
        Type(w, Input(Stress), "1");
        QCOMPARE(Box(w, Result(Stress, 4)), QString("0.006894757293"));
        QCOMPARE(Box(w, Result(Stress, 2)), QString("144"));
        CHECK_SCRIPT(f);
    }

    void lenientReadingNeverComplains()
    {
        // The calculator needs only a messenger: built here without the
        // main window.
        RecordingMessageBox box;
        Messenger messenger(box);
        UnitCalculatorDialog calculator(messenger);
        QWidget* w = &calculator;
        Type(w, Input(Length), "12abc");  // in
        QCOMPARE(Boxes(w, Length, {0, 1, 2, 3}), (QStringList{"12", "1", "30.48", "0.3048"}));
        Type(w, Input(Length), "abc");
        QCOMPARE(Boxes(w, Length, {0, 1, 2, 3}), (QStringList{"0", "0", "0", "0"}));
        QVERIFY(box.Messages().empty());  // no message, ever
    }

    void switchingTheUnitRecomputesAndTabsStayIndependent()
    {
        UiFixture f;
        QWidget* w = Open(f);
        QVERIFY(w != nullptr);
        Type(w, Input(Length), "2");  // in
        QCOMPARE(Boxes(w, Length, {0, 1, 2, 3}), (QStringList{"2", "0.166666666666667", "5.08", "0.0508"}));
        Choose(w, Unit(Length, 3));  // the same 2, now metres
        QCOMPARE(Boxes(w, Length, {2, 3}), (QStringList{"200", "2"}));
        QVERIFY(Box(w, Result(Length, 0)).startsWith("78.74015748"));
        const QStringList length = Boxes(w, Length, {0, 1, 2, 3});

        REQUIRE_CHILD(QTabWidget, tabs, w, names::UnitTabs);
        tabs->setCurrentIndex(1);
        Type(w, Input(Load), "3000");  // lbsF
        QCOMPARE(Boxes(w, Load, {1, 4}), (QStringList{"1.5", "3"}));
        QCOMPARE(Boxes(w, Length, {0, 1, 2, 3}), length);
        QCOMPARE((Boxes(w, LoadGrad, {0, 1, 2, 3}) + Boxes(w, Stress, {0, 1, 2, 3, 4})), QStringList(9, "0"));
        CHECK_SCRIPT(f);
    }

    void onlyTheVisibleTabsControlsAreTabStops()
    {
        UiFixture f;
        QWidget* w = Open(f);
        QVERIFY(w != nullptr);
        REQUIRE_CHILD(QTabWidget, tabs, w, names::UnitTabs);
        const auto stops = [&](int page) {
            int on = 0;
            int off = 0;
            for (QWidget* c : tabs->widget(page)->findChildren<QWidget*>()) {
                if (!qobject_cast<QLineEdit*>(c) && !qobject_cast<QRadioButton*>(c))
                    continue;
                (c->focusPolicy() == Qt::NoFocus ? off : on) += 1;
            }
            return std::pair(on, off);
        };
        // Length: input, four options, four results.
        QCOMPARE(stops(0), std::pair(9, 0));
        QCOMPARE(stops(3), std::pair(0, 11));
        tabs->setCurrentIndex(3);
        QCOMPARE(stops(0), std::pair(0, 9));
        QCOMPARE(stops(3), std::pair(11, 0));
        // The tab's input box takes the focus with its text selected.
        auto* stress = w->findChild<QLineEdit*>(Input(Stress));
        QCOMPARE(stress->selectedText(), QString("0"));
        QCOMPARE(w->focusWidget(), stress);
        CHECK_SCRIPT(f);
    }

    void helpContextsHelpHintAndOk()
    {
        UiFixture f;
        QWidget* w = Open(f);
        QVERIFY(w != nullptr);
        QCOMPARE(HelpContextOf(w->findChild<QLineEdit*>(Input(LoadGrad))), 4300);
        QCOMPARE(HelpContextOf(w->findChild<QLineEdit*>(Input(Load))), 4500);
        QCOMPARE(HelpContextOf(w->findChild<QRadioButton*>(Unit(LoadGrad, 2))), 4500);
        QCOMPARE(HelpContextOf(w->findChild<QWidget*>(names::CalculatorHelp)), 5001);
        f.platform->AnswerBox(MsgResult::OK);
        QTest::mouseClick(w->findChild<QWidget*>(names::CalculatorHelp), Qt::LeftButton);
        QCOMPARE(f.platform->LastCall().text,
                 QString("Position the cursor on any item on the form and press F1 for context-sensitive Help"));
        QTest::mouseClick(w->findChild<QWidget*>(names::CalculatorOk), Qt::LeftButton);
        QApplication::processEvents();
        QVERIFY(FindTopLevel(names::UnitCalculator) == nullptr);
        CHECK_SCRIPT(f);
    }
};

QTEST_MAIN(UnitCalculatorTest)
#include "unit_calculator_test.moc"
