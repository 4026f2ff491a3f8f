#pragma once
// frmVELBParm, "Parameters": the design inputs of the project: geology,
// mining factors, design factors and one or two support systems.

#include <array>
#include <vector>

#include <QWidget>

#include "ui/app/window_context.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace castovin {

struct Project;
struct ReportSession;
struct Environment;
struct Messenger;

struct ParameterFields;
struct SupportRecord;
enum class ParmField;

class ParametersEditorWindow : public QWidget {
    Q_OBJECT

public:
    ParametersEditorWindow(Project& project, ReportSession& session, Environment& environment, Messenger& messenger,
                           const WindowContext& context);
    ~ParametersEditorWindow() override;

    // The fields as they stand.
    ParameterFields Fields() const;
    // The fields as support records over the project's.
    std::array<SupportRecord, 2> SaveWorkParms() const;
    // Re-applies the second system's layout from the current choices.
    void ApplyLayout();

    void Ok();
    void Results();

private:
    // Form_Unload: commits when OK was pressed, logs, gives the main window back.
    void Unload();
    void BuildSystemPages();
    void BuildLayout(QWidget* geology, QWidget* mining, QWidget* design);
    void LoadFields();
    QLineEdit* Field(QWidget* parent, const QString& name, int maxLength);
    QLabel* Label(QWidget* parent, const QString& name, const QString& text);
    QWidget* FieldWidget(ParmField field) const;
    void Focus(ParmField field);
    void FillGradeLists();

    Project& m_project;
    ReportSession& m_session;
    Environment& m_environment;
    Messenger& m_messenger;
    WindowContext m_context;
    bool m_ok = false;
    std::vector<QGridLayout*> m_leftGrids;
    std::array<QGridLayout*, 2> m_systemGrids{};

    QLineEdit* m_CMRR = nullptr;
    QLineEdit* m_depth = nullptr;
    QLineEdit* m_unitWeight = nullptr;
    QLineEdit* m_span = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_SF = nullptr;
    QComboBox* m_noSup = nullptr;
    QComboBox* m_system = nullptr;
    QComboBox* m_location = nullptr;
    QLabel* m_systemLabel = nullptr;
    QLabel* m_locationLabel = nullptr;
    std::array<QLineEdit*, 2> m_boltLength{};
    std::array<QLineEdit*, 2> m_diameter{};
    std::array<QComboBox*, 2> m_grade{};
    std::array<QLineEdit*, 2> m_boltsPerRow{};
    std::array<QLineEdit*, 2> m_rowSpacing{};
    std::array<QLabel*, 2> m_diameterLabel{};
    std::array<QLabel*, 2> m_gradeLabel{};
    std::array<QLabel*, 2> m_boltsPerRowLabel{};
    std::array<QLabel*, 2> m_rowSpacingLabel{};
    std::array<QLabel*, 2> m_boltLengthLabel{};
    QLineEdit* m_boltsInter = nullptr;
    QLineEdit* m_cableCapacity = nullptr;
    QTabWidget* m_tabs = nullptr;
};

}  // namespace castovin
