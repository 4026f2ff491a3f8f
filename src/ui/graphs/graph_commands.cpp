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

void OpenGraphWindow(Project& project, Environment& environment, Messenger& messenger, const WindowContext& context,
                     int16_t graphIndex)
{
    std::vector<CurvePoint> points;
    bool computed = false;
    context.host.Trapped([&] {
        // The curve comes from the project's committed values.
        points = ComputeCurve(project.Support[0], project.units, static_cast<GraphKind>(graphIndex), messenger);
        computed = true;
    });
    if (!computed)
        return;
    if (points.empty()) {
        ShowMessage(messenger, EmptyCurveMessage(project.Support[0], project.units, graphIndex), MsgIcon::Information);
        return;
    }
    QWidget* host = context.host.HostWindow();
    host->setEnabled(false);
    auto* window = new GraphWindow(project, environment, messenger, context);
    window->GraphInit(graphIndex);
    window->DrawCurve(points);
    CenterOnScreen(window);
    ShowOwnedWindow(window, host, false);
}

void GraphWindow::Export()
{
    if (m_environment.Settings.AskOfficeInstall == 0 &&
        ShowMessage(m_messenger, "Export the graph data to a spreadsheet file and open it?", MsgButtons::YesNo) !=
            MsgResult::Yes)
        return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::SaveAs;
    request.title = "Export Graph Data";
    request.folder =
        Q(m_environment.LastExportFolder.empty() ? m_environment.DataFolder : m_environment.LastExportFolder);
    request.fileName = Q(ExportFileName(m_project.ProjectFilePath, m_currentGraph));
    request.filters = QStringList{"Workbook (*.xlsx)", "CSV text (*.csv)"};
    request.selectedFilter = request.filters.front();
    request.defaultSuffix = "xlsx";
    const std::optional<QString> path = m_context.platform.FileDialog(this, request);
    if (!path)
        return;
    m_environment.LastExportFolder = S(QFileInfo(*path).absolutePath() + '/');
    ExportTo(*path, path->endsWith(".csv", Qt::CaseInsensitive));
}

void GraphWindow::ExportTo(const QString& path, bool csv)
{
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
    ShowMessage(m_messenger, "Exported " + GeneralNumber(static_cast<int32_t>(m_curveCount)) + " Curves",
                MsgButtons::OK);
    if (!m_context.platform.OpenDocument(path))
        ShowMessage(m_messenger, NoOpenerText(S(path)), MsgButtons::OK);
}

}  // namespace castovin
