// The graph requests of the main window and the graph window's export.

#include <QApplication>
#include <QFileInfo>
#include <QLineSeries>

#include "core/editing/graph_options.h"
#include "core/program/program_state.h"
#include "core/text/atomic_file.h"
#include "core/text/messages.h"
#include "core/text/number_format.h"
#include "ui/app/window_helpers.h"
#include "ui/graphs/graph_window.h"
#include "ui/platform/platform_services.h"
#include "xlsx/curve_export.h"

namespace castovin {

namespace {

// The hourglass while the file is written; an error trapped on the way
// restores the normal pointer first, so this never restores twice.
class ExportCursor {
public:
    ExportCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~ExportCursor()
    {
        if (QApplication::overrideCursor() != nullptr)
            QApplication::restoreOverrideCursor();
    }
    ExportCursor(const ExportCursor&) = delete;
    ExportCursor& operator=(const ExportCursor&) = delete;
};

}  // namespace

void OpenGraphWindow(WindowContext& context, int16_t graphIndex)
{
    ProgramState& state = context.state;
    std::vector<CurvePoint> points;
    bool computed = false;
    context.host.Trapped([&] {
        // The curve comes from the project's committed values.
        points = ComputeCurve(state.project.Support[0], state.project.units, static_cast<GraphKind>(graphIndex),
                              state.messenger);
        computed = true;
    });
    if (!computed)
        return;
    if (points.empty()) {
        ShowMessage(state.messenger, EmptyCurveMessage(state.project.Support[0], state.project.units, graphIndex),
                    MsgIcon::Information);
        return;
    }
    QWidget* host = context.host.HostWindow();
    host->setEnabled(false);
    auto* window = new GraphWindow(context);
    window->GraphInit(graphIndex);
    window->DrawCurve(points);
    CenterOnScreen(window);
    ShowOwnedWindow(window, host, false);
}

void GraphWindow::Export()
{
    ProgramState& state = m_context.state;
    if (state.environment.Settings.AskOfficeInstall == 0 &&
        ShowMessage(state.messenger, "Export the graph data to a spreadsheet file and open it?", MsgButtons::YesNo) !=
            MsgResult::Yes)
        return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::SaveAs;
    request.title = "Export Graph Data";
    request.folder = Q(state.environment.LastExportFolder.empty() ? state.environment.DataFolder
                                                                  : state.environment.LastExportFolder);
    request.fileName = Q(ExportFileName(state.project.ProjectFilePath, m_currentGraph));
    request.filters = QStringList{"Workbook (*.xlsx)", "CSV text (*.csv)"};
    request.selectedFilter = request.filters.front();
    request.defaultSuffix = "xlsx";
    const std::optional<QString> path = m_context.platform.FileDialog(this, request);
    if (!path)
        return;
    state.environment.LastExportFolder = S(QFileInfo(*path).absolutePath() + '/');
    ExportTo(*path, path->endsWith(".csv", Qt::CaseInsensitive));
}

void GraphWindow::ExportTo(const QString& path, bool csv)
{
    ProgramState& state = m_context.state;
    bool written = false;
    m_context.host.Trapped([&] {
        ExportCursor busy;
        // Every curve holds the same points; the sheet takes those of the first.
        const std::vector<CurvePoint> points = m_curveCount > 0 ? CurveData(0) : std::vector<CurvePoint>{};
        if (csv)
            WriteFileAtomically(S(path), CurveCsv(points));
        else
            WriteCurveWorkbook(S(path), points);
        written = true;
    });
    if (!written)
        return;
    ShowMessage(state.messenger, "Exported " + GeneralNumber(static_cast<int32_t>(m_curveCount)) + " Curves",
                MsgButtons::OK);
    if (!m_context.platform.OpenDocument(path))
        ShowMessage(state.messenger, NoOpenerText(S(path)), MsgButtons::OK);
}

}  // namespace castovin
