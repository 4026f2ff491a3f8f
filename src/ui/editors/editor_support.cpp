#include "editors/editor_support.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>

#include "app/window_helpers.h"
#include "editors/dialog_capture.h"

#include "program/program_state.h"
#include "files/lifecycle.h"
#include "main/main_window.h"
#include "text/messages.h"

namespace castovin {

QHBoxLayout* EditorButtonRow(QWidget* editor, MainWindow& main, const std::function<void()>& ok,
                             const std::function<void()>& results)
{
    QPushButton* okButton = MakeButton(editor, "Command2", "OK");
    QPushButton* cancel = MakeButton(editor, "Command1", "Cancel");
    QPushButton* help = MakeButton(editor, "Command3", "Help");
    QPushButton* copy = MakeButton(editor, "Command5", "&Copy Clip");
    QPushButton* resultsButton = MakeButton(editor, "cmdresults", "Results");
    // The editors are windows of their own, not dialogs: Enter and Esc are
    // wired here.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
        QObject::connect(new QShortcut(QKeySequence(key), editor), &QShortcut::activated, okButton, &QPushButton::click);
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), editor), &QShortcut::activated, cancel,
                     &QPushButton::click);
    QObject::connect(okButton, &QPushButton::clicked, editor, ok);
    QObject::connect(cancel, &QPushButton::clicked, editor, &QWidget::close);
    QObject::connect(help, &QPushButton::clicked, editor, [&main] { ShowHelpHint(main.State()); });
    QObject::connect(copy, &QPushButton::clicked, editor, [&main, editor] { CopyDialogImage(main, editor); });
    QObject::connect(resultsButton, &QPushButton::clicked, editor, results);
    auto* row = new QHBoxLayout;
    row->addWidget(resultsButton);
    row->addWidget(copy);
    row->addStretch(1);
    row->addWidget(help);
    row->addWidget(okButton);
    row->addWidget(cancel);
    return row;
}

void ShowEditorResults(MainWindow& main, ReportType type, const std::function<void()>& saveWorkParms)
{
    bool done = false;
    main.Trapped([&] {
        saveWorkParms();
        done = RunEditorResults(main.State(), main.State(), main.State().Settings.PrintModuleHeader == 1, type);
    });
    if (done)
        main.ShowResultsViewer();
}

void FinishProjectEditor(MainWindow& main, bool modified)
{
    ProgramState& state = main.State();
    if (modified) {
        MarkProjectEdited(state);
        AppendHistory(state, "Project Parameters Modified");
        main.UpdateCaption();
    } else {
        AppendHistory(state, "Project Parameters Not Modified");
    }
    state.EditorOpen = 0;
    main.setEnabled(true);
    main.activateWindow();
}

}  // namespace castovin
