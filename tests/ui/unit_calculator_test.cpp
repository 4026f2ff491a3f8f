// The unit calculator driven as a user drives it: units chosen with the
// option buttons, numbers typed into the input boxes, tabs switched.

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "app/names.h"
#include "help/help_window.h"
#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

class UnitCalculatorTest : public QObject {
    Q_OBJECT

private:
    // Opens the calculator through Utilities > "Unit Conversion...".
    static QWidget* Open(UiFixture& f)
    {
        f.Trigger("mnuUtilItem_2");
        QApplication::processEvents();
        return FindTopLevel(names::UnitCalculator);
    }

    static QString Box(QWidget* window, const QString& name)
    {
        auto* box = window->findChild<QLineEdit*>(name);
        return box != nullptr ? box->text() : QString("<missing %1>").arg(name);
    }

    static QStringList Boxes(QWidget* window, std::initializer_list<int> numbers)
    {
        QStringList out;
        for (int n : numbers)
            out << Box(window, QString("Text%1").arg(n));
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
        for (const char* input : {"txtLength", "txtLoad", "txtLoadGrad", "txtStress", "txtStressGrad"})
            QCOMPARE(Box(w, input), QString("0"));
        for (int n : {2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 25}) {
            QCOMPARE(Box(w, QString("Text%1").arg(n)), QString("0"));
            QVERIFY(w->findChild<QLineEdit*>(QString("Text%1").arg(n))->isReadOnly());
        }
        for (const char* first : {"Option2_0", "Option5_0", "Option4_0", "Option1_0", "Option3_0"})
            QVERIFY2(w->findChild<QRadioButton*>(first)->isChecked(), first);
        QCOMPARE(w->findChild<QRadioButton*>("Option5_4")->text(), QString("kips"));
        QCOMPARE(w->findChild<QRadioButton*>("Option5_1")->text(), QString("tonsF (short)"));
        QVERIFY(QString::fromStdString(f.state->History.Text()).contains("Loading Unit Conversion Form"));
        CHECK_SCRIPT(f);
    }

    void conversionsShownForEveryUnitAtOnce()
    {
        UiFixture f;
        QWidget* w = Open(f);
        QVERIFY(w != nullptr);
        Choose(w, "Option2_1");  // ft
        Type(w, "txtLength", "1");
        QCOMPARE(Boxes(w, {7, 8, 9, 10}), (QStringList{"12", "1", "30.48", "0.3048"}));

        REQUIRE_CHILD(QTabWidget, tabs, w, names::UnitTabs);
        tabs->setCurrentIndex(1);
        Choose(w, "Option5_2");  // kN
        Type(w, "txtLoad", "1");
        // The load constants are those of 224.809 lbsF to the kN.
        QCOMPARE(Boxes(w, {21, 22, 23, 24, 25}), (QStringList{"224.809", "0.1124045", "1", "0.001", "0.224809"}));

        tabs->setCurrentIndex(3);
        Choose(w, "Option1_2");  // psf
        Type(w, "txtStress", "144");
        QCOMPARE(Box(w, "Text2"), QString("1"));
        QCOMPARE(Box(w, "Text3"), QString("0.001"));
        Choose(w, "Option1_0");  // psi, same input: 144 psi
        QCOMPARE(Box(w, "Text4"), QString("20736"));
        Type(w, "txtStress", "1");
        QCOMPARE(Box(w, "Text6"), QString("0.006894757293"));
        QCOMPARE(Box(w, "Text4"), QString("144"));
        CHECK_SCRIPT(f);
    }

    void lenientReadingNeverComplains()
    {
        UiFixture f;
        QWidget* w = Open(f);
        QVERIFY(w != nullptr);
        Type(w, "txtLength", "12abc");  // in
        QCOMPARE(Boxes(w, {7, 8, 9, 10}), (QStringList{"12", "1", "30.48", "0.3048"}));
        Type(w, "txtLength", "abc");
        QCOMPARE(Boxes(w, {7, 8, 9, 10}), (QStringList{"0", "0", "0", "0"}));
        QVERIFY(f.platform->Calls().empty());  // no message, ever
        CHECK_SCRIPT(f);
    }

    void switchingTheUnitRecomputesAndTabsStayIndependent()
    {
        UiFixture f;
        QWidget* w = Open(f);
        QVERIFY(w != nullptr);
        Type(w, "txtLength", "2");  // in
        QCOMPARE(Boxes(w, {7, 8, 9, 10}), (QStringList{"2", "0.166666666666667", "5.08", "0.0508"}));
        Choose(w, "Option2_3");  // the same 2, now metres
        QCOMPARE(Boxes(w, {9, 10}), (QStringList{"200", "2"}));
        QVERIFY(Box(w, "Text7").startsWith("78.74015748"));
        const QStringList length = Boxes(w, {7, 8, 9, 10});

        REQUIRE_CHILD(QTabWidget, tabs, w, names::UnitTabs);
        tabs->setCurrentIndex(1);
        Type(w, "txtLoad", "3000");  // lbsF
        QCOMPARE(Boxes(w, {22, 25}), (QStringList{"1.5", "3"}));
        QCOMPARE(Boxes(w, {7, 8, 9, 10}), length);
        QCOMPARE(Boxes(w, {17, 18, 19, 20, 2, 3, 4, 5, 6}), QStringList(9, "0"));
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
        auto* stress = w->findChild<QLineEdit*>("txtStress");
        QCOMPARE(stress->selectedText(), QString("0"));
        QCOMPARE(w->focusWidget(), stress);
        CHECK_SCRIPT(f);
    }

    void helpContextsHelpHintAndOk()
    {
        UiFixture f;
        QWidget* w = Open(f);
        QVERIFY(w != nullptr);
        QCOMPARE(HelpContextOf(w->findChild<QLineEdit*>("txtLoadGrad")), 4300);
        QCOMPARE(HelpContextOf(w->findChild<QLineEdit*>("txtLoad")), 4500);
        QCOMPARE(HelpContextOf(w->findChild<QRadioButton*>("Option4_2")), 4500);
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
