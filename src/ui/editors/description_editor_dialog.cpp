#include "ui/editors/description_editor_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/editing/validation.h"
#include "core/files/lifecycle.h"
#include "core/model/project.h"
#include "core/model/report_session.h"
#include "core/program/project_commands.h"
#include "core/text/messages.h"
#include "ui/app/closing_rules.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"

namespace castovin {

DescriptionEditorDialog::DescriptionEditorDialog(Project& project, ReportSession& session, Environment& environment,
                                                 Messenger& messenger, const WindowContext& context)
    : m_project(project), m_session(session), m_environment(environment), m_messenger(messenger), m_context(context)
{
    setObjectName(names::DescriptionEditor);
    setWindowTitle("Project Description");

    auto* texts = new QGroupBox("Title and description", this);
    auto* textsLayout = new QVBoxLayout(texts);
    m_title = new QLineEdit(texts);
    m_title->setObjectName(names::DescriptionTitle);
    m_description = new QPlainTextEdit(texts);
    m_description->setObjectName(names::DescriptionText);
    m_description->setLineWrapMode(QPlainTextEdit::NoWrap);
    textsLayout->addWidget(new QLabel("Title", texts));
    textsLayout->addWidget(m_title);
    textsLayout->addWidget(m_description, 1);

    auto* units = new QGroupBox("Current units", this);
    auto* unitsLayout = new QHBoxLayout(units);
    m_units[0] = new QRadioButton("feet, lbs", units);
    m_units[0]->setObjectName(names::Indexed(names::DescriptionUnits, 0));
    m_units[1] = new QRadioButton("meters, kN", units);
    m_units[1]->setObjectName(names::Indexed(names::DescriptionUnits, 1));
    unitsLayout->addWidget(m_units[0]);
    unitsLayout->addWidget(m_units[1]);

    QPushButton* ok = MakeButton(this, names::EditorOk, "OK");
    ok->setDefault(true);
    QPushButton* cancel = MakeButton(this, names::EditorCancel, "Cancel");
    QPushButton* help = MakeHelpButton(this, names::EditorHelp, m_messenger);
    QPushButton* next = MakeButton(this, names::DescriptionNextForm, "Next Form");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(next);
    buttons->addStretch(1);
    buttons->addWidget(help);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(texts, 1);
    layout->addWidget(units);
    layout->addLayout(buttons);
    resize(560, 420);

    connect(ok, &QPushButton::clicked, this, &DescriptionEditorDialog::Ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    connect(next, &QPushButton::clicked, this, &DescriptionEditorDialog::NextForm);
    connect(m_description, &QPlainTextEdit::textChanged, this, &DescriptionEditorDialog::LimitDescription);
    LoadFields();
    ClosingRules::Install(this, [this] { Unload(); });
}

void DescriptionEditorDialog::LoadFields()
{
    // Form_Load: the unit system can change only while nothing is entered.
    SetMsgCategory(m_messenger.MsgCategory, MsgForm::Description);
    AppendHistory(m_messenger, "Editing Project Description");
    m_title->setText(Q(m_project.ProjectTitle));
    QString description = Q(m_project.ProjectDescription);
    description.replace("\r\n", "\n");
    m_description->setPlainText(description);
    const bool locked = m_project.InputsEntered == FlagTrue;
    for (int i = 0; i < 2; ++i) {
        QRadioButton* option = m_units[static_cast<std::size_t>(i)];
        option->setAutoExclusive(false);
        option->setChecked(UnitSystemOf(i) == m_project.units);
        option->setAutoExclusive(true);
        option->setEnabled(!locked || UnitSystemOf(i) == m_project.units);
    }
    CenterOnScreen(this);
}

void DescriptionEditorDialog::LimitDescription()
{
    // The description holds at most 1000 characters; what goes beyond is refused.
    const QString text = m_description->toPlainText();
    if (text.size() <= MaxDescriptionLength)
        return;
    QTextCursor cursor = m_description->textCursor();
    const int position = cursor.position();
    const QSignalBlocker block(m_description);
    m_description->setPlainText(text.left(MaxDescriptionLength));
    cursor = m_description->textCursor();
    cursor.setPosition(std::min(position, MaxDescriptionLength));
    m_description->setTextCursor(cursor);
}

void DescriptionEditorDialog::Ok()
{
    m_ok = true;
    close();
}

void DescriptionEditorDialog::NextForm()
{
    m_ok = true;
    close();
    m_context.host.Run(Command::EditParameters);
}

void DescriptionEditorDialog::Unload()
{
    if (m_ok) {
        const int chosen = GetArrayIndex(OptionGroup{0, {m_units[0]->isChecked(), m_units[1]->isChecked()}});
        if (UnitSystemOf(chosen) != m_project.units) {
            m_project.units = UnitSystemOf(chosen);
            NewProject(m_project, m_session, m_environment, m_messenger, true, false);
        }
        m_project.ProjectTitle = S(m_title->text());
        QString description = m_description->toPlainText();
        description.replace("\n", "\r\n");
        m_project.ProjectDescription = S(description);
        AppendHistory(m_messenger, "Project Description Modified");
        MarkProjectEdited(m_project);
        m_context.host.UpdateCaption();
    } else {
        AppendHistory(m_messenger, "Project Description Not Modified");
    }
}

}  // namespace castovin
