// The four editors driven through their widgets: typing into numeric fields,
// the second-system layout, validation with focus, commit and cancel, the
// live cost figures, "Results" on edited values, the unit lock of the
// description editor, the options pages and the file association.

#include <memory>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "core/program/program_state.h"
#include "ui/app/names.h"
#include "ui/editors/numeric_field.h"
#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

class EditorsTest : public QObject {
    Q_OBJECT

private:
    static QWidget* OpenEditor(UiFixture& f, const QString& item, const QString& window)
    {
        f.Trigger(item);
        return FindTopLevel(window);
    }
    static void Retype(QLineEdit* field, const QString& text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    static void Open(UiFixture& f, const QString& path)
    {
        f.platform->AnswerFile(path);
        f.Trigger(names::FileOpenItem);
    }

private slots:
    void numericFieldsFilterKeystrokes()
    {
        UiFixture f;
        QWidget* editor = OpenEditor(f, names::InputParametersItem, names::ParametersEditor);
        QVERIFY(editor != nullptr);
        REQUIRE_CHILD(QLineEdit, cmrr, editor, names::ParmCMRR);
        cmrr->setText("12");
        cmrr->setCursorPosition(2);
        QTest::keyClicks(cmrr, "7");
        QCOMPARE(cmrr->text(), QString("127"));
        QTest::keyClicks(cmrr, "a");
        QCOMPARE(cmrr->text(), QString("127"));
        REQUIRE_CHILD(QLineEdit, depth, editor, names::ParmDepth);
        depth->setText("12.5");
        depth->setCursorPosition(4);
        QTest::keyClicks(depth, ".");  // "." is always let through
        QCOMPARE(depth->text(), QString("12.5."));
        depth->clear();
        QTest::keyClicks(depth, "-");
        QCOMPARE(depth->text(), QString());
        depth->setText("12.5");
        depth->selectAll();
        QTest::keyClicks(depth, "7");  // judged on 12.57: kept, and replaces the selection
        QCOMPARE(depth->text(), QString("7"));
        QTest::keyClick(depth, Qt::Key_Backspace);
        QCOMPARE(depth->text(), QString());
        // The right-click menu pastes only what typing would keep.
        const auto paste = [depth](const QString& clip) {
            QGuiApplication::clipboard()->setText(clip);
            std::unique_ptr<QMenu> menu(NumericContextMenu(depth));
            QAction* action = menu->findChild<QAction*>("edit-paste");
            if (action != nullptr && action->isEnabled())
                action->trigger();
            return action != nullptr && action->isEnabled();
        };
        depth->setText("1");
        depth->setCursorPosition(1);
        QVERIFY(!paste("62abc 12"));
        QCOMPARE(depth->text(), QString("1"));
        QVERIFY(paste("62.5"));
        QCOMPARE(depth->text(), QString("162.5"));
        // The field's seven typed characters: an eighth is not pasted.
        QVERIFY(!paste("123"));
        QCOMPARE(depth->text(), QString("162.5"));
        // The fields without the filter take any text.
        REQUIRE_CHILD(QComboBox, systems, editor, names::ParmNoSup);
        REQUIRE_CHILD(QComboBox, location, editor, names::ParmLocation);
        REQUIRE_CHILD(QTabWidget, tabs, editor, names::ParmTabs);
        systems->setEditText("2");
        location->setCurrentIndex(1);
        tabs->setCurrentIndex(1);
        REQUIRE_CHILD(QLineEdit, inter, editor, names::ParmBoltsInter);
        inter->clear();
        QTest::keyClicks(inter, "ab");
        QCOMPARE(inter->text(), QString("ab"));
        editor->close();
        CHECK_SCRIPT(f);
    }

    void parametersCommitOnOk()
    {
        UiFixture f;
        Open(f, UiFixture::Example("default-english.vlb"));
        QWidget* editor = OpenEditor(f, names::Indexed(names::Toolbar, 5), names::ParametersEditor);
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->windowTitle(), QString("Parameters"));
        QVERIFY(!f.Main().isEnabled());
        QCOMPARE(f.state->session.EditorOpen, SwitchTrue);
        REQUIRE_CHILD(QLabel, depthLabel, editor, names::CaptionOf(names::ParmDepth));
        QCOMPARE(depthLabel->text(), QString("Depth of Cover (ft)"));
        REQUIRE_CHILD(QLineEdit, cmrr, editor, names::ParmCMRR);
        // Five characters may be typed; the sixth is refused.
        Retype(cmrr, "123456");
        QCOMPARE(cmrr->text(), QString("12345"));
        Retype(cmrr, "99.4");  // 99.5 and above would be stored as 100 and are refused
        REQUIRE_CHILD(QPushButton, ok, editor, names::EditorOk);
        ok->click();
        QCoreApplication::processEvents();
        QVERIFY(FindTopLevel(names::ParametersEditor) == nullptr);
        QCOMPARE(f.state->project.Support[0].CMRR, int16_t{99});
        QCOMPARE(f.state->project.ProjectSaved, FlagFalse);
        QCOMPARE(f.state->project.InputsEntered, FlagTrue);
        QCOMPARE(f.state->session.EditorOpen, int16_t{0});
        QVERIFY(f.Main().isEnabled());
        QVERIFY(f.Main().windowTitle().endsWith('*'));
        CHECK_SCRIPT(f);
    }

    void mainWindowStaysWhileAnEditorIsOpen()
    {
        UiFixture f;
        QWidget* editor = OpenEditor(f, names::InputParametersItem, names::ParametersEditor);
        QVERIFY(!f.Main().close());
        QVERIFY(FindTopLevel(names::ParametersEditor) == editor);
        editor->close();
        QVERIFY(f.Main().close());
        CHECK_SCRIPT(f);
    }

    void enterCommitsAndEscapeCancels()
    {
        UiFixture f;
        QWidget* editor = OpenEditor(f, names::InputCostItem, names::CostEditor);
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        REQUIRE_CHILD(QLineEdit, boltCost, editor, "txtBoltCost");
        Retype(boltCost, "3.5");
        QTest::keyClick(boltCost, Qt::Key_Escape);
        QVERIFY(FindTopLevel(names::CostEditor) == nullptr);
        QCOMPARE(f.state->project.Cost.BoltCost, 3.0f);
        editor = OpenEditor(f, names::InputCostItem, names::CostEditor);
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        REQUIRE_CHILD(QLineEdit, again, editor, "txtBoltCost");
        Retype(again, "3.5");
        QTest::keyClick(again, Qt::Key_Return);
        QVERIFY(FindTopLevel(names::CostEditor) == nullptr);
        QCOMPARE(f.state->project.Cost.BoltCost, 3.5f);
        CHECK_SCRIPT(f);
    }

    void parametersCancelLeavesSupport()
    {
        const auto prepare =
            UiFixture::WithSettingsFile("[Settings]\r\nDisplayHistoryWin=1\r\nMaxDisplaySize=16384\r\n");
        UiFixture f(prepare);
        const auto before = f.state->project.Support;
        QWidget* editor = OpenEditor(f, names::InputParametersItem, names::ParametersEditor);
        REQUIRE_CHILD(QLineEdit, depth, editor, names::ParmDepth);
        Retype(depth, "750");
        REQUIRE_CHILD(QPushButton, cancel, editor, names::EditorCancel);
        cancel->click();
        QCOMPARE(f.state->project.Support, before);
        CHECK_CONTAINS(QString::fromStdString(f.state->messenger.History.Text()),
                       ". Project Parameters Not Modified\r\n");
        QVERIFY(f.Main().isEnabled());
        CHECK_SCRIPT(f);
    }

    void invalidFieldKeepsTheEditorOpenWithFocus()
    {
        UiFixture f;
        QWidget* editor = OpenEditor(f, names::InputParametersItem, names::ParametersEditor);
        editor->activateWindow();
        REQUIRE_CHILD(QLineEdit, bolt, editor, names::Indexed(names::ParmBoltLength, 0));
        Retype(bolt, "10.01");
        f.platform->AnswerBox(MsgResult::OK);
        REQUIRE_CHILD(QPushButton, ok, editor, names::EditorOk);
        ok->click();
        QCOMPARE(f.platform->BoxTexts().back(),
                 QString("Invalid actual bolt length. Maximum length allowed is 10 (ft)"));
        QVERIFY(FindTopLevel(names::ParametersEditor) != nullptr);
        QCOMPARE(editor->focusWidget(), static_cast<QWidget*>(bolt));
        QCOMPARE(f.state->project.Support[0].ActualBoltLength, 6.0f);
        editor->close();
        CHECK_SCRIPT(f);
    }

    void secondSystemLayout()
    {
        UiFixture f;
        QWidget* editor = OpenEditor(f, names::InputParametersItem, names::ParametersEditor);
        REQUIRE_CHILD(QComboBox, systems, editor, names::ParmNoSup);
        REQUIRE_CHILD(QComboBox, type, editor, names::ParmSystem);
        REQUIRE_CHILD(QComboBox, location, editor, names::ParmLocation);
        REQUIRE_CHILD(QTabWidget, tabs, editor, names::ParmTabs);
        REQUIRE_CHILD(QLineEdit, diameter, editor, names::Indexed(names::ParmDiameter, 1));
        REQUIRE_CHILD(QLineEdit, capacity, editor, names::ParmCableCapacity);
        REQUIRE_CHILD(QLineEdit, inter, editor, names::ParmBoltsInter);
        REQUIRE_CHILD(QLineEdit, spacing, editor, names::Indexed(names::ParmRowSpacing, 1));
        REQUIRE_CHILD(QLabel, diameterLabel, editor, names::CaptionOf(names::Indexed(names::ParmDiameter, 1)));
        REQUIRE_CHILD(QLabel, rowLabel, editor, names::CaptionOf(names::Indexed(names::ParmBoltsPerRow, 1)));
        QVERIFY(!tabs->isTabEnabled(1));
        QVERIFY(type->isHidden());
        systems->setEditText("");
        QVERIFY(!type->isHidden());  // shown while the text is not exactly 1
        systems->setEditText("2");
        QVERIFY(tabs->isTabEnabled(1));
        type->setCurrentIndex(1);
        location->setCurrentIndex(1);
        QVERIFY(diameter->isHidden());
        QVERIFY(!capacity->isHidden());
        QCOMPARE(diameterLabel->text(), QString("Cable Bolt Capacity (tons)"));
        QVERIFY(!inter->isHidden());
        QVERIFY(spacing->isHidden());
        QCOMPARE(rowLabel->text(), QString("Number of Bolts per Intersection"));
        type->setCurrentIndex(0);
        QVERIFY(!diameter->isHidden());
        QVERIFY(capacity->isHidden());
        QCOMPARE(diameterLabel->text(), QString("Bolt Diameter (in)"));
        // Back to one system: the hidden second system is not validated.
        REQUIRE_CHILD(QLineEdit, grade, editor, names::Indexed(names::ParmRowSpacing, 1));
        location->setCurrentIndex(0);
        grade->setText("0");
        systems->setEditText("1");
        QVERIFY(!tabs->isTabEnabled(1));
        REQUIRE_CHILD(QPushButton, ok, editor, names::EditorOk);
        ok->click();
        QVERIFY(FindTopLevel(names::ParametersEditor) == nullptr);
        QCOMPARE(f.state->project.Support[0].NumberOfSystems, int16_t{1});
        CHECK_SCRIPT(f);
    }

    void emptyNumberOfSystemsIsNamed()
    {
        UiFixture f;
        QWidget* editor = OpenEditor(f, names::InputParametersItem, names::ParametersEditor);
        REQUIRE_CHILD(QComboBox, systems, editor, names::ParmNoSup);
        systems->setEditText("");
        f.platform->AnswerBox(MsgResult::OK);
        REQUIRE_CHILD(QPushButton, ok, editor, names::EditorOk);
        ok->click();
        QCOMPARE(f.platform->BoxTexts().back(), QString("Invalid number of support systems"));
        QVERIFY(FindTopLevel(names::ParametersEditor) != nullptr);
        editor->close();
        CHECK_SCRIPT(f);
    }

    void resultsShowEditedValuesAndKeepSupport()
    {
        UiFixture f;
        Open(f, UiFixture::Example("default-english.vlb"));
        const auto before = f.state->project.Support;
        QWidget* editor = OpenEditor(f, names::InputParametersItem, names::ParametersEditor);
        REQUIRE_CHILD(QLineEdit, spacing, editor, names::Indexed(names::ParmRowSpacing, 0));
        Retype(spacing, "5");
        REQUIRE_CHILD(QPushButton, results, editor, names::EditorResults);
        results->click();
        QWidget* viewer = FindTopLevel(names::ResultsViewer);
        QVERIFY(viewer != nullptr);
        QCOMPARE(f.state->project.Support, before);
        CHECK_CONTAINS(QString::fromStdString(f.state->session.OutputBuffer[0]),
                       "Row Spacing.......................................5 (ft)");
        // 9.94 x 4 / 5 = 7.95
        CHECK_CONTAINS(QString::fromStdString(f.state->session.OutputBuffer[1]),
                       "Actual VELB for this design.......................8.0");
        viewer->close();
        QCoreApplication::processEvents();
        QVERIFY(FindTopLevel(names::ParametersEditor) != nullptr);
        QVERIFY(!f.Main().isEnabled());
        REQUIRE_CHILD(QPushButton, cancel, editor, names::EditorCancel);
        cancel->click();  // the report showed the edit; the project keeps its value
        QCOMPARE(f.state->project.Support[0].RowSpacing, 4.0f);
        QVERIFY(f.Main().isEnabled());
        CHECK_SCRIPT(f);
    }

    void costEditorLiveFiguresAndValidation()
    {
        UiFixture f;
        QWidget* editor = OpenEditor(f, names::InputCostItem, names::CostEditor);
        QVERIFY(editor != nullptr);
        REQUIRE_CHILD(QLineEdit, advance, editor, names::CostAdvanceCalc);
        REQUIRE_CHILD(QLineEdit, production, editor, names::CostProductionCalc);
        REQUIRE_CHILD(QLineEdit, spacing, editor, "txtRowSpacing");
        QCOMPARE(advance->text(), QString("300"));
        QCOMPARE(production->text(), QString("1200"));
        Retype(spacing, "1.2");
        QCOMPARE(advance->text(), QString("90"));  // 75 rows of 1.2
        QCOMPARE(production->text(), QString("360"));
        spacing->clear();
        QCOMPARE(advance->text(), QString("90"));  // kept: no division by zero
        Retype(spacing, "4");
        REQUIRE_CHILD(QCheckBox, useAdvance, editor, names::CostUseAdvance);
        useAdvance->setChecked(false);
        QCOMPARE(advance->text(), QString("300"));
        REQUIRE_CHILD(QLabel, advanceLabel, editor, "lblAdvanceShift");
        QCOMPARE(advanceLabel->text(), QString("Advance per shift  (ft)"));

        REQUIRE_CHILD(QLineEdit, bit, editor, "txtBitCost");
        bit->setText("-1");
        f.platform->AnswerBox(MsgResult::OK);
        REQUIRE_CHILD(QPushButton, ok, editor, names::EditorOk);
        ok->click();
        QCOMPARE(f.platform->BoxTexts().back(), QString("Invalid cost per bit"));
        QCOMPARE(f.platform->LastCall().title, QString("Castovin"));
        Retype(bit, "70");
        ok->click();
        QVERIFY(FindTopLevel(names::CostEditor) == nullptr);
        QCOMPARE(f.state->project.Cost.BitCost, 70.0f);
        QCOMPARE(f.state->project.Cost.UseCalculatedAdvance, int16_t{0});
        QVERIFY(f.Main().isEnabled());
        CHECK_SCRIPT(f);
    }

    void costResultsKeepCost()
    {
        UiFixture f;
        Open(f, UiFixture::Example("default-english.vlb"));
        QWidget* editor = OpenEditor(f, names::InputCostItem, names::CostEditor);
        REQUIRE_CHILD(QLineEdit, boltCost, editor, "txtBoltCost");
        Retype(boltCost, "4");
        REQUIRE_CHILD(QPushButton, results, editor, names::EditorResults);
        results->click();
        QVERIFY(FindTopLevel(names::ResultsViewer) != nullptr);
        QCOMPARE(f.state->project.Cost.BoltCost, 3.0f);
        CHECK_CONTAINS(QString::fromStdString(f.state->session.OutputBuffer[0]),
                       "Bolt cost ($/bolt)................................4\r\n");
        CHECK_CONTAINS(QString::fromStdString(f.state->session.OutputBuffer[1]), "Consumables Cost:            6.72");
        CHECK_SCRIPT(f);
    }

    void descriptionOfANewProjectChoosesTheUnits()
    {
        UiFixture f;
        QWidget* editor = OpenEditor(f, names::InputDescriptionItem, names::DescriptionEditor);
        QVERIFY(editor != nullptr);
        REQUIRE_CHILD(QRadioButton, metric, editor, names::Indexed(names::DescriptionUnits, 1));
        REQUIRE_CHILD(QRadioButton, english, editor, names::Indexed(names::DescriptionUnits, 0));
        QVERIFY(metric->isEnabled() && english->isChecked());
        metric->setChecked(true);
        REQUIRE_CHILD(QLineEdit, title, editor, names::DescriptionTitle);
        QTest::keyClicks(title, "Tailgate, panel 7");
        REQUIRE_CHILD(QPlainTextEdit, description, editor, names::DescriptionText);
        QTest::keyClicks(description, "first line");
        QTest::keyClick(description, Qt::Key_Return);
        QTest::keyClicks(description, "second line");
        REQUIRE_CHILD(QPushButton, ok, editor, names::EditorOk);
        ok->click();
        QCOMPARE(f.state->project.units, UnitSystem::Metric);
        QCOMPARE(f.state->project.Support[0].DepthofCover, 150.0f);
        QCOMPARE(f.state->project.ProjectTitle, std::string("Tailgate, panel 7"));
        QCOMPARE(f.state->project.ProjectDescription, std::string("first line\r\nsecond line"));
        QCOMPARE(f.state->project.InputsEntered, FlagTrue);

        // Reopened: only the current unit system is offered.
        editor = OpenEditor(f, names::InputDescriptionItem, names::DescriptionEditor);
        REQUIRE_CHILD(QRadioButton, english2, editor, names::Indexed(names::DescriptionUnits, 0));
        REQUIRE_CHILD(QRadioButton, metric2, editor, names::Indexed(names::DescriptionUnits, 1));
        QVERIFY(!english2->isEnabled());
        QVERIFY(metric2->isEnabled() && metric2->isChecked());
        REQUIRE_CHILD(QPushButton, cancel, editor, names::EditorCancel);
        cancel->click();
        CHECK_SCRIPT(f);
    }

    void descriptionIsLimitedAndNextFormOpensParameters()
    {
        UiFixture f;
        Open(f, UiFixture::Example("default-english.vlb"));
        QWidget* editor = OpenEditor(f, names::InputDescriptionItem, names::DescriptionEditor);
        REQUIRE_CHILD(QRadioButton, metric, editor, names::Indexed(names::DescriptionUnits, 1));
        QVERIFY(!metric->isEnabled());  // a project from a file keeps its units
        REQUIRE_CHILD(QPlainTextEdit, description, editor, names::DescriptionText);
        description->setPlainText(QString(999, 'x'));
        description->moveCursor(QTextCursor::End);
        QTest::keyClicks(description, "yz");
        QCOMPARE(description->toPlainText().size(), 1000);
        REQUIRE_CHILD(QPushButton, next, editor, names::DescriptionNextForm);
        next->click();
        QVERIFY(FindTopLevel(names::DescriptionEditor) == nullptr);
        QVERIFY(FindTopLevel(names::ParametersEditor) != nullptr);
        QCOMPARE(f.state->project.ProjectDescription.size(), std::size_t{1000});
        FindTopLevel(names::ParametersEditor)->close();
        CHECK_SCRIPT(f);
    }

    void optionsMirrorListsAndSetDefaultThenCancel()
    {
        UiFixture f;
        QWidget* options = OpenEditor(f, names::UtilOptionsItem, names::OptionsEditor);
        QVERIFY(options != nullptr);
        REQUIRE_CHILD(QLineEdit, cmrrEnglish, options, names::Indexed(names::ParmCMRR, 0));
        REQUIRE_CHILD(QLineEdit, cmrrMetric, options, names::Indexed(names::ParmCMRR, 1));
        Retype(cmrrEnglish, "50");
        QCOMPARE(cmrrMetric->text(), QString("50"));
        REQUIRE_CHILD(QCheckBox, office, options, names::OptionsSkipExportQuestion);
        QCOMPARE(office->text(), QString("Do not ask before exporting graph data to a spreadsheet"));

        // Add to English set 1, delete it again, then fill it up.
        REQUIRE_CHILD(QLineEdit, item, options, names::Indexed(names::OptionsGradeItem, 0));
        REQUIRE_CHILD(QPushButton, add, options, names::Indexed(names::OptionsAdd, 0));
        REQUIRE_CHILD(QPushButton, remove, options, names::Indexed(names::OptionsDelete, 0));
        REQUIRE_CHILD(QListWidget, set1, options, names::Indexed(names::OptionsGradeList, 0));
        item->setText("60");
        f.platform->AnswerBox(MsgResult::OK);
        add->click();
        QCOMPARE(f.platform->BoxTexts().back(), QString("Entry exists. New value not added"));
        item->setText("65");
        add->click();
        QCOMPARE(set1->count(), 5);
        set1->item(4)->setSelected(true);
        remove->click();
        QCOMPARE(set1->count(), 4);

        // Set Default acts at once on the metric lists; Cancel keeps that.
        const auto englishLists = f.state->environment.BoltGradeList[0];
        f.state->environment.BoltGradeLast[2] = 1;
        REQUIRE_CHILD(QPushButton, reset, options, names::Indexed(names::OptionsSetDefault, 1));
        reset->click();
        QCOMPARE(f.state->environment.BoltGradeLast[2], int16_t{3});
        REQUIRE_CHILD(QPushButton, cancel, options, names::EditorCancel);
        cancel->click();
        QCOMPARE(f.state->environment.BoltGradeLast[2], int16_t{3});
        QCOMPARE(f.state->environment.BoltGradeList[0], englishLists);
        QCOMPARE(f.state->environment.DefaultInputs.DefaultCMRR, int16_t{45});
        CHECK_SCRIPT(f);
    }

    void optionsValidationBringsThePageToTheFront()
    {
        UiFixture f;
        QWidget* options = OpenEditor(f, names::UtilOptionsItem, names::OptionsEditor);
        REQUIRE_CHILD(QLineEdit, sf, options, names::Indexed(names::ParmStabilityFactor, 0));
        Retype(sf, "0");
        f.platform->AnswerBox(MsgResult::OK);
        REQUIRE_CHILD(QPushButton, ok, options, names::EditorOk);
        ok->click();
        QCOMPARE(f.platform->BoxTexts().back(), QString("Invalid stability factor"));
        REQUIRE_CHILD(QTabWidget, tabs, options, names::OptionsTabs);
        QCOMPARE(tabs->currentIndex(), 2);
        Retype(sf, "1.5");
        REQUIRE_CHILD(QLineEdit, weight, options, names::Indexed(names::ParmUnitWeight, 1));
        weight->setText("26");
        ok->click();
        QVERIFY(FindTopLevel(names::OptionsEditor) == nullptr);
        QCOMPARE(f.state->environment.DefaultInputs.DefaultStabilityFactor, 1.5f);
        QCOMPARE(f.state->environment.DefaultInputs.DefaultMETUnitWeight, 26.0f);
        CHECK_SCRIPT(f);
    }

    void fileAssociationUnderTheUsersDataFolder()
    {
        UiFixture f;
        const QString data = f.File("data");
        f.state->environment.User.xdgDataHome = data.toStdString();
        QWidget* options = OpenEditor(f, names::UtilOptionsItem, names::OptionsEditor);
        REQUIRE_CHILD(QPushButton, associate, options, names::OptionsFileAssociation);
        f.platform->AnswerBox(MsgResult::No);
        associate->click();
        QVERIFY(!QFile::exists(data + "/applications/castovin.desktop"));
        f.platform->AnswerBox(MsgResult::Yes);
        f.platform->AnswerBox(MsgResult::OK);
        associate->click();
        const auto texts = f.platform->BoxTexts();
        QCOMPARE(texts[texts.size() - 2],
                 QString("This operation may break an existing association of file extension VLB with other programs "
                         "on this computer. Proceed?"));
        const QString command = f.Home() + "/app/castovin %f";
        QCOMPARE(texts.back(), "The file association for VLB has been made to " + command);
        CHECK_CONTAINS(ReadBytes(data + "/applications/castovin.desktop"), "Exec=" + command);
        CHECK_CONTAINS(ReadBytes(data + "/mime/packages/castovin.xml"), "*.vlb");
        options->close();
        CHECK_SCRIPT(f);
    }

    void copyClipPutsThePictureOnTheClipboard()
    {
        UiFixture f;
        QWidget* editor = OpenEditor(f, names::InputCostItem, names::CostEditor);
        REQUIRE_CHILD(QPushButton, copy, editor, names::EditorCopyClip);
        f.platform->AnswerBox(MsgResult::OK);
        copy->click();
        QVERIFY(!f.platform->ClipboardImage().isNull());
        QCOMPARE(f.platform->BoxTexts().back(), QString("Screenshot of dialog copied to clipboard"));
        QCOMPARE(f.platform->LastCall().title, QString("Message"));
        editor->close();
        CHECK_SCRIPT(f);
    }

    void everyExamplePassesItsOwnEditor()
    {
        const QStringList examples = QDir(CASTOVIN_EXAMPLES).entryList({"*.vlb"}, QDir::Files);
        QVERIFY(examples.size() >= 4);
        for (const QString& name : examples) {
            UiFixture f;
            Open(f, UiFixture::Example(name));
            QWidget* editor = OpenEditor(f, names::Indexed(names::Toolbar, 5), names::ParametersEditor);
            QVERIFY2(editor != nullptr, qPrintable(name));
            REQUIRE_CHILD(QPushButton, ok, editor, names::EditorOk);
            ok->click();
            QCoreApplication::processEvents();
            // A refused field would show its message (unscripted) and keep the editor open.
            const auto boxes = f.platform->BoxTexts();
            QVERIFY2(FindTopLevel(names::ParametersEditor) == nullptr,
                     qPrintable(name + ": " + QStringList(boxes.begin(), boxes.end()).join(" | ")));
            CHECK_SCRIPT(f);
        }
    }

    void openingAProjectShowsTheParametersWhenAsked()
    {
        UiFixture f({}, {}, true);
        Open(f, UiFixture::Example("default-english.vlb"));
        QVERIFY(FindTopLevel(names::ParametersEditor) != nullptr);
        FindTopLevel(names::ParametersEditor)->close();
        CHECK_SCRIPT(f);
    }

    void everyCheckedFieldIsAControlOfItsWindow()
    {
        // The core's checks name the field the focus goes to as a value; the
        // window finds it by its name in names.h, which must name a box.
        UiFixture f;
        QWidget* cost = OpenEditor(f, names::InputCostItem, names::CostEditor);
        QVERIFY(cost != nullptr);
        for (std::size_t i = 0; i < CostFieldCount; ++i)
            QVERIFY2(cost->findChild<QLineEdit*>(names::Of(static_cast<CostField>(i))) != nullptr,
                     names::Of(static_cast<CostField>(i)));
        cost->close();
        QWidget* options = OpenEditor(f, names::UtilOptionsItem, names::OptionsEditor);
        QVERIFY(options != nullptr);
        for (int field = static_cast<int>(OptionsField::CMRR); field <= static_cast<int>(OptionsField::EntryWidth);
             ++field)
            for (int page : {0, 1}) {
                const QString name = names::Indexed(names::StemOf(static_cast<OptionsField>(field)), page);
                QVERIFY2(options->findChild<QLineEdit*>(name) != nullptr, qPrintable(name));
            }
        options->close();
        QWidget* settings = OpenEditor(f, names::UtilSettingsItem, names::SettingsDialog);
        QVERIFY(settings != nullptr);
        for (SettingsField field :
             {SettingsField::DataPath, SettingsField::FileExtension, SettingsField::ExternalEditor})
            QVERIFY2(settings->findChild<QLineEdit*>(names::Of(field)) != nullptr, names::Of(field));
        settings->close();
    }
};

QTEST_MAIN(EditorsTest)
#include "editors_test.moc"
