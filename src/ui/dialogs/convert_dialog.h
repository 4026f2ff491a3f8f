#pragma once
// frmConvert, "File Conversion Utility": converts the open project into the
// other unit system under a new name.

#include <array>

#include <QDialog>

#include "ui/app/window_context.h"

class QRadioButton;

namespace castovin {

struct Environment;
struct Messenger;
struct Project;

class ConvertDialog : public QDialog {
    Q_OBJECT

public:
    ConvertDialog(Project& project, Environment& environment, Messenger& messenger, const WindowContext& context);

    void Convert();

private:
    // Remembers the file option for the next time and gives the focus back.
    void Unload();

    Project& m_project;
    Environment& m_environment;
    Messenger& m_messenger;
    WindowContext m_context;
    std::array<QRadioButton*, 2> m_units{};
    std::array<QRadioButton*, 2> m_fileOptions{};
};

}  // namespace castovin
