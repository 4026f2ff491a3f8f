#pragma once
// frmVELBDesc, "Project Description": the title and description of the
// project and, while nothing has been entered, its unit system.

#include <array>

#include <QDialog>

#include "ui/app/window_context.h"

class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace castovin {

struct Project;
struct ReportSession;
struct Environment;
struct Messenger;

class DescriptionEditorDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int MaxDescriptionLength = 1000;

    DescriptionEditorDialog(Project& project, ReportSession& session, Environment& environment, Messenger& messenger,
                            const WindowContext& context);

    void Ok();
    void NextForm();

private:
    void LimitDescription();
    void LoadFields();
    // Form_Unload: commits when OK (or Next Form) was pressed, logs either way.
    void Unload();

    Project& m_project;
    ReportSession& m_session;
    Environment& m_environment;
    Messenger& m_messenger;
    WindowContext m_context;
    bool m_ok = false;
    QLineEdit* m_title = nullptr;
    QPlainTextEdit* m_description = nullptr;
    std::array<QRadioButton*, 2> m_units{};
};

}  // namespace castovin
