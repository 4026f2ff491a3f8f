#include "ui/dialogs/convert_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/editing/validation.h"
#include "core/model/conversion.h"
#include "core/model/project.h"
#include "core/text/messages.h"
#include "ui/app/closing_rules.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"

namespace castovin {

namespace {

OptionGroup GroupOf(const std::array<QRadioButton*, 2>& buttons)
{
    return OptionGroup{0, {buttons[0]->isChecked(), buttons[1]->isChecked()}};
}

void SetGroup(const std::array<QRadioButton*, 2>& buttons, const OptionGroup& group)
{
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i]->setAutoExclusive(false);
        buttons[i]->setChecked(group.value[i]);
        buttons[i]->setAutoExclusive(true);
    }
}

}  // namespace

ConvertDialog::ConvertDialog(Project& project, Environment& environment, Messenger& messenger,
                             const WindowContext& context)
    : m_project(project), m_environment(environment), m_messenger(messenger), m_context(context)
{
    setObjectName(names::ConvertDialog);
    setWindowTitle("File Conversion Utility");

    auto* units = new QGroupBox("Units", this);
    units->setObjectName(names::ConvertUnitsFrame);
    auto* unitsLayout = new QVBoxLayout(units);
    const char* unitTexts[2] = {"feet, psi, pcf", "meters, MPa, kN/m3"};
    auto* files = new QGroupBox("File options", this);
    files->setObjectName(names::ConvertFileFrame);
    auto* filesLayout = new QVBoxLayout(files);
    const char* fileTexts[2] = {"Load converted project ", "Keep original project"};
    for (int i = 0; i < 2; ++i) {
        m_units[static_cast<std::size_t>(i)] = new QRadioButton(unitTexts[i], units);
        m_units[static_cast<std::size_t>(i)]->setObjectName(names::Indexed(names::ConvertUnits, i));
        unitsLayout->addWidget(m_units[static_cast<std::size_t>(i)]);
        m_fileOptions[static_cast<std::size_t>(i)] = new QRadioButton(fileTexts[i], files);
        m_fileOptions[static_cast<std::size_t>(i)]->setObjectName(names::Indexed(names::ConvertFileOption, i));
        filesLayout->addWidget(m_fileOptions[static_cast<std::size_t>(i)]);
    }
    QPushButton* convert = MakeButton(this, names::ConvertRun, "Convert");
    convert->setDefault(true);
    QPushButton* cancel = MakeButton(this, names::ConvertCancel, "Cancel");
    QPushButton* help = MakeHelpButton(this, names::ConvertHelp, m_messenger);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(convert);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    buttons->addStretch(1);
    auto* frames = new QVBoxLayout;
    frames->addWidget(units);
    frames->addWidget(files);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(frames, 1);
    layout->addLayout(buttons);
    connect(convert, &QPushButton::clicked, this, &ConvertDialog::Convert);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);

    // Form_Load: only the other unit system can be chosen.
    SetMsgCategory(m_messenger.MsgCategory, MsgForm::Convert);
    AppendHistory(m_messenger, "Loading File Conversion Form");
    for (int i = 0; i < 2; ++i) {
        QRadioButton* option = m_units[static_cast<std::size_t>(i)];
        const bool own = UnitSystemOf(i) == m_project.units;
        option->setAutoExclusive(false);
        option->setChecked(!own);
        option->setAutoExclusive(true);
        option->setEnabled(!own);
    }
    OptionGroup fileGroup = GroupOf(m_fileOptions);
    SetArrayIndex(m_messenger, fileGroup, m_environment.ConvertFileOption);
    SetGroup(m_fileOptions, fileGroup);
    m_fileOptions[1]->setEnabled(false);
    adjustSize();
    CenterOnScreen(this);
    ClosingRules::Install(this, [this] { Unload(); });
}

void ConvertDialog::Unload()
{
    m_environment.ConvertFileOption = static_cast<int16_t>(GetArrayIndex(GroupOf(m_fileOptions)));
}

void ConvertDialog::Convert()
{
    const UnitSystem target = UnitSystemOf(GetArrayIndex(GroupOf(m_units)));
    if (!m_context.host.Trapped([&] { ConvertProject(m_project, target, m_messenger); }))
        return;
    m_context.host.UpdateCaption();
    ShowMessage(m_messenger, "Conversion Completed: The conversion form will be closed", MsgButtons::OK);
    close();
}

}  // namespace castovin
