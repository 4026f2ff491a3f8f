#include "ui/platform/qt_platform_services.h"

#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QSortFilterProxyModel>
#include <QUrl>

#include "ui/app/window_helpers.h"
#include "ui/viewer/report_printer.h"

namespace castovin {

QString FilterSuffix(const QString& filter)
{
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    if (star < 0)
        return {};
    qsizetype end = star + 2;
    while (end < filter.size() && filter[end].isLetterOrNumber())
        ++end;
    return filter.mid(star + 2, end - star - 2);
}

namespace {

QMessageBox::StandardButtons ButtonsOf(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MsgButtons::OK:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MsgResult ResultOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return MsgResult::OK;
    case QMessageBox::Retry:
        return MsgResult::Retry;
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    default:
        return MsgResult::Cancel;
    }
}

// Hides the files without the execute permission while `active` says so;
// folders always stay, so that the user can walk to a program.
class ExecutablesOnly : public QSortFilterProxyModel {
public:
    ExecutablesOnly(QObject* parent, std::function<bool()> active)
        : QSortFilterProxyModel(parent), m_active(std::move(active))
    {
    }
    void Refresh() { invalidateFilter(); }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        if (!m_active())
            return true;
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files == nullptr)
            return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable();
    }

private:
    std::function<bool()> m_active;
};

}  // namespace

QtPlatformServices::QtPlatformServices() = default;

QtPlatformServices::~QtPlatformServices() = default;

MsgResult QtPlatformServices::Show(const std::string& text, MsgStyle style, const std::string& title)
{
    QMessageBox box(IconOf(style.icon), QString::fromStdString(title), QString::fromStdString(text),
                    ButtonsOf(style.buttons), QApplication::activeWindow());
    // Buttons in the order the box lays them out, left to right.
    QList<QMessageBox::StandardButton> order;
    for (QMessageBox::StandardButton b :
         {QMessageBox::Ok, QMessageBox::Retry, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
        if (box.button(b) != nullptr)
            order.push_back(b);
    if (!order.isEmpty())
        box.setDefaultButton(style.defaultButton == MsgDefault::Second && order.size() > 1 ? order[1] : order[0]);
    if (box.button(QMessageBox::Cancel) != nullptr)
        box.setEscapeButton(QMessageBox::Cancel);
    // As the program's dialogs: modal to the window it speaks for, so that
    // the help window stays usable; F1 in the box opens its own page when
    // it has one, else that of the window.
    if (box.parentWidget() != nullptr)
        box.setWindowModality(Qt::WindowModal);
    if (style.helpContext != 0)
        box.setProperty("helpContext", style.helpContext);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    return ResultOf(clicked == QMessageBox::NoButton ? QMessageBox::Cancel : clicked);
}

std::optional<QString> QtPlatformServices::FileDialog(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent, request.title, request.folder);
    // Qt's own dialog matches the extension in any letter case, so that
    // "*.VLB" lists mine.vlb too; desktop dialogs on Linux may not.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(request.filters);
    dialog.selectNameFilter(request.selectedFilter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // A name typed without an extension gets the one of the chosen filter
    // ("CSV text (*.csv)" writes .csv), not always the first filter's.
    if (!request.defaultSuffix.isEmpty())
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            const QString suffix = FilterSuffix(filter);
            if (!suffix.isEmpty())
                dialog.setDefaultSuffix(suffix);
        });
    if (request.mode == FileDialogRequest::Mode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (!request.executablesFilter.isEmpty()) {
        auto* proxy = new ExecutablesOnly(
            &dialog, [&dialog, &request] { return dialog.selectedNameFilter() == request.executablesFilter; });
        dialog.setProxyModel(proxy);
        QObject::connect(&dialog, &QFileDialog::filterSelected, proxy, [proxy] { proxy->Refresh(); });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

bool QtPlatformServices::PrintDialog(QWidget* parent, QPrinter& printer, bool allowPageRange,
                                     const QString& suggestedPdf)
{
    QPrintDialog dialog(&printer, parent);
    // Qt's own dialog offers "print.pdf" in the current folder; the program
    // offers the project's name in the data folder instead (the dialog's
    // file field is the line edit named "filename").
    if (!suggestedPdf.isEmpty() && printer.outputFileName().isEmpty())
        if (auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
            field->setText(suggestedPdf);
    if (!allowPageRange) {
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    }
    return dialog.exec() == QDialog::Accepted;
}

bool QtPlatformServices::PrinterSetupDialog(QWidget* parent, QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QFont> QtPlatformServices::FontDialog(QWidget* parent, const QFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, FontAsListed(initial), parent);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

void QtPlatformServices::ClearClipboard()
{
    QApplication::clipboard()->clear();
}

void QtPlatformServices::SetClipboardText(const QString& text)
{
    QApplication::clipboard()->setText(text);
}

void QtPlatformServices::SetClipboardImage(const QImage& image)
{
    QApplication::clipboard()->setImage(image);
}

void QtPlatformServices::SetClipboardPicture(const QImage& image, const QByteArray& svg)
{
    auto* data = new QMimeData;
    data->setImageData(image);
    data->setData(QStringLiteral("image/svg+xml"), svg);
    QApplication::clipboard()->setMimeData(data);
}

QPrinter& QtPlatformServices::Printer()
{
    // Made when printing is first asked for: the print plugin and the
    // default-printer query (which may ask a print server over the network)
    // then cost nothing before the main window is shown.
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without a printer to say otherwise, the paper is the locale's usual
        // one (Letter in the United States, A4 elsewhere).
        if (QPrinterInfo::defaultPrinter().isNull())
            m_printer->setPageSize(QPageSize(DefaultPaperSize(QLocale::system())));
    }
    return *m_printer;
}

bool QtPlatformServices::OpenDocument(const QString& path)
{
    // A web address (the program's web page) goes as it is, a path as a file.
    const QUrl url(path);
    if (url.isValid() && url.scheme().size() > 1)
        return QDesktopServices::openUrl(url);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtPlatformServices::StartProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

}  // namespace castovin
