#pragma once
// frmGraphOpt, "Graph Parameters and Options": edits the graph format of the
// settings record, from the built-in defaults or from the last values used.
// OK writes the [Graph] settings; every close restyles the graph window's
// chart from the record.

#include <array>
#include <cstdint>

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace castovin {

enum class UnitSystem : int16_t;
struct Environment;
struct Messenger;
class GraphWindow;
struct GraphOptionsFields;

class GraphOptionsDialog : public QDialog {
    Q_OBJECT

public:
    GraphOptionsDialog(GraphWindow& graph, Environment& environment, Messenger& messenger, UnitSystem units);

    // Option1_Click: 0 the defaults (read-only), 1 the last used.
    void ChooseOption(int index);
    void Accept();

private:
    void BuildControls();
    void InitForm();
    void UpdateSymbolSize();
    void CheckListEntry(QComboBox* list);
    GraphOptionsFields Fields() const;
    void Unload();

    GraphWindow& m_graph;
    Environment& m_environment;
    Messenger& m_messenger;
    UnitSystem m_units;
    bool m_accepted = false;
    QLineEdit* m_title = nullptr;
    std::array<QLineEdit*, 4> m_xTitles{};
    QLineEdit* m_yTitle = nullptr;
    QComboBox* m_grid = nullptr;
    QComboBox* m_style = nullptr;
    QCheckBox* m_legend = nullptr;
    QLabel* m_sizeLabel = nullptr;
    QScrollBar* m_size = nullptr;
    QLineEdit* m_sizeText = nullptr;
    std::array<QRadioButton*, 2> m_options{};
};

}  // namespace castovin
