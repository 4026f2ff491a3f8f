#pragma once
// frmVELBDesc, "Project Description": the title and description of the
// project and, while nothing has been entered, its unit system.

#include <array>

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace castovin {

class MainWindow;

class DescriptionEditor : public QDialog {
    Q_OBJECT

public:
    static constexpr int MaxDescriptionLength = 1000;

    explicit DescriptionEditor(MainWindow& main);

    void Ok();
    void NextForm();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void LimitDescription();

    MainWindow& m_main;
    bool m_ok = false;
    bool m_unloaded = false;
    QLineEdit* m_title = nullptr;
    QPlainTextEdit* m_description = nullptr;
    std::array<QRadioButton*, 2> m_units{};
};

}  // namespace castovin
