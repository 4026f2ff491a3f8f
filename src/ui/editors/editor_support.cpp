#include "ui/editors/editor_support.h"

#include <algorithm>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "core/files/lifecycle.h"
#include "core/program/program_state.h"
#include "core/text/messages.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/editors/dialog_capture.h"

namespace castovin {

QHBoxLayout* EditorButtonRow(QWidget* editor, Messenger& messenger, PlatformServices& platform,
                             const std::function<void()>& ok, const std::function<void()>& results)
{
    QPushButton* okButton = MakeButton(editor, names::EditorOk, "OK");
    QPushButton* cancel = MakeButton(editor, names::EditorCancel, "Cancel");
    QPushButton* help = MakeHelpButton(editor, names::EditorHelp, messenger);
    QPushButton* copy = MakeButton(editor, names::EditorCopyClip, "&Copy Clip");
    QPushButton* resultsButton = MakeButton(editor, names::EditorResults, "Results");
    // The editors are windows of their own, not dialogs: Enter and Esc are
    // wired here.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
        QObject::connect(new QShortcut(QKeySequence(key), editor), &QShortcut::activated, okButton,
                         &QPushButton::click);
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), editor), &QShortcut::activated, cancel,
                     &QPushButton::click);
    QObject::connect(okButton, &QPushButton::clicked, editor, ok);
    QObject::connect(cancel, &QPushButton::clicked, editor, &QWidget::close);
    QObject::connect(copy, &QPushButton::clicked, editor,
                     [&platform, &messenger, editor] { CopyDialogImage(platform, messenger, editor); });
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

void ShowEditorResults(const Project& project, ReportSession& session, const Environment& env, ProgramHost& host,
                       QWidget* editor, ReportType type, const EditedRecords& edited)
{
    const bool built = host.Trapped([&] {
        std::array<SupportRecord, 2> support = project.Support;
        CostRecord cost = project.Cost;
        edited(support, cost);
        const bool withHeader = env.Settings.PrintModuleHeader == 1;
        session.Show(BuildReport(project, support, cost, type, withHeader), type);
    });
    if (built)
        host.ShowResultsViewer(editor);
}

void FinishProjectEditor(Project& project, ReportSession& session, Messenger& messenger, ProgramHost& host,
                         bool modified)
{
    if (modified) {
        MarkProjectEdited(project);
        AppendHistory(messenger, "Project Parameters Modified");
        host.UpdateCaption();
    } else {
        AppendHistory(messenger, "Project Parameters Not Modified");
    }
    session.EditorOpen = 0;
    host.HostWindow()->setEnabled(true);
}

void AlignFieldColumns(const std::vector<QGridLayout*>& grids)
{
    int labels = 0;
    int fields = 0;
    for (QGridLayout* grid : grids)
        for (int row = 0; row < grid->rowCount(); ++row) {
            if (QLayoutItem* label = grid->itemAtPosition(row, 0); label != nullptr && label->widget() != nullptr)
                labels = std::max(labels, label->widget()->sizeHint().width());
            if (QLayoutItem* field = grid->itemAtPosition(row, 1); field != nullptr && field->widget() != nullptr) {
                QWidget* w = field->widget();
                int width = w->sizeHint().width();
                if (auto* edit = qobject_cast<QLineEdit*>(w))
                    width = std::max(width, edit->fontMetrics().horizontalAdvance(edit->text() + "00"));
                fields = std::max(fields, width);
            }
        }
    for (QGridLayout* grid : grids) {
        grid->setColumnMinimumWidth(0, labels);
        grid->setColumnMinimumWidth(1, fields);
        grid->setColumnStretch(0, 0);
        grid->setColumnStretch(1, 0);
        // Room a frame has beyond its fields (and a check box beside them)
        // stays empty at the right.
        grid->setColumnStretch(3, 1);
        for (int row = 0; row < grid->rowCount(); ++row)
            if (QLayoutItem* field = grid->itemAtPosition(row, 1); field != nullptr && field->widget() != nullptr)
                field->widget()->setMinimumWidth(fields);
    }
}

void CentreContent(QWidget* editor, QBoxLayout* content)
{
    auto* across = new QHBoxLayout;
    across->addStretch(1);
    across->addLayout(content);
    across->addStretch(1);
    auto* outer = new QVBoxLayout(editor);
    outer->addStretch(1);
    outer->addLayout(across);
    outer->addStretch(1);
}

}  // namespace castovin
