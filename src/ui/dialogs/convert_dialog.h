#pragma once
// frmConvert, "File Conversion Utility": converts the open project into the
// other unit system under a new name.

#include <array>

#include <QDialog>

class QRadioButton;

namespace castovin {

class MainWindow;

class ConvertDialog : public QDialog {
    Q_OBJECT

public:
    explicit ConvertDialog(MainWindow& main);
    ~ConvertDialog() override;

    void Convert();

private:
    MainWindow& m_main;
    std::array<QRadioButton*, 2> m_units{};
    std::array<QRadioButton*, 2> m_fileOptions{};
};

}  // namespace castovin
