#include "scripted_platform.h"

namespace castovin::test {

namespace {

const char* KindName(ScriptedPlatform::Kind kind)
{
    switch (kind) {
    case ScriptedPlatform::Kind::Box:
        return "message box";
    case ScriptedPlatform::Kind::File:
        return "file dialog";
    case ScriptedPlatform::Kind::Print:
        return "print dialog";
    case ScriptedPlatform::Kind::PrinterSetup:
        return "printer set-up dialog";
    default:
        return "font dialog";
    }
}

}  // namespace

ScriptedPlatform::ScriptedPlatform(const QString& defaultPdf)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(defaultPdf);
    m_printer->setPageSize(QPageSize(QPageSize::Letter));
}

void ScriptedPlatform::AnswerBox(MsgResult result)
{
    m_script.push_back({Kind::Box, result, false, std::nullopt, std::nullopt});
}

void ScriptedPlatform::AnswerFile(std::optional<QString> path)
{
    m_script.push_back({Kind::File, MsgResult::Cancel, false, std::move(path), std::nullopt});
}

void ScriptedPlatform::AnswerPrint(std::optional<QString> pdfPath)
{
    m_script.push_back({Kind::Print, MsgResult::Cancel, false, std::move(pdfPath), std::nullopt});
}

void ScriptedPlatform::AnswerPrintToSystemPrinter()
{
    m_script.push_back({Kind::Print, MsgResult::Cancel, true, std::nullopt, std::nullopt});
}

void ScriptedPlatform::AnswerPrinterSetup(bool accept)
{
    m_script.push_back({Kind::PrinterSetup, MsgResult::Cancel, accept, std::nullopt, std::nullopt});
}

void ScriptedPlatform::AnswerFont(std::optional<QFont> font)
{
    m_script.push_back({Kind::Font, MsgResult::Cancel, false, std::nullopt, std::move(font)});
}

std::vector<QString> ScriptedPlatform::BoxTexts() const
{
    std::vector<QString> texts;
    for (const Call& c : m_calls)
        if (c.kind == Kind::Box)
            texts.push_back(c.text);
    return texts;
}

std::optional<ScriptedPlatform::Answer> ScriptedPlatform::Next(Kind kind, const QString& what)
{
    if (m_script.empty() || m_script.front().kind != kind) {
        m_failures << QString("unscripted %1: %2").arg(KindName(kind), what);
        return std::nullopt;
    }
    Answer answer = m_script.front();
    m_script.pop_front();
    return answer;
}

MsgResult ScriptedPlatform::Show(const std::string& text, MsgStyle style, const std::string& title)
{
    m_calls.push_back({Kind::Box, QString::fromStdString(text), style, QString::fromStdString(title), {}});
    const auto answer = Next(Kind::Box, QString::fromStdString(text));
    return answer ? answer->box : MsgResult::Cancel;
}

std::optional<QString> ScriptedPlatform::FileDialog(QWidget*, const FileDialogRequest& request)
{
    m_calls.push_back({Kind::File, request.title, {}, request.title, request});
    const auto answer = Next(Kind::File, request.title);
    return answer ? answer->path : std::nullopt;
}

bool ScriptedPlatform::PrintDialog(QWidget*, QPrinter& printer, bool, const QString& suggestedPdf)
{
    m_calls.push_back({Kind::Print, "print", {}, suggestedPdf, {}});
    const auto answer = Next(Kind::Print, "print");
    if (answer && answer->accepted) {
        printer.setOutputFileName({});
        printer.setOutputFormat(QPrinter::NativeFormat);
        return true;
    }
    if (!answer || !answer->path)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*answer->path);
    return true;
}

bool ScriptedPlatform::PrinterSetupDialog(QWidget*, QPrinter&)
{
    m_calls.push_back({Kind::PrinterSetup, "printer set-up", {}, {}, {}});
    const auto answer = Next(Kind::PrinterSetup, "printer set-up");
    return answer && answer->accepted;
}

std::optional<QFont> ScriptedPlatform::FontDialog(QWidget*, const QFont&)
{
    m_calls.push_back({Kind::Font, "font", {}, {}, {}});
    const auto answer = Next(Kind::Font, "font");
    return answer ? answer->font : std::nullopt;
}

void ScriptedPlatform::ClearClipboard()
{
    ++m_clears;
    m_clipboard.clear();
    m_image = QImage();
    m_svg.clear();
}

void ScriptedPlatform::SetClipboardText(const QString& text)
{
    m_clipboard = text;
}

void ScriptedPlatform::SetClipboardImage(const QImage& image)
{
    m_image = image;
}

void ScriptedPlatform::SetClipboardPicture(const QImage& image, const QByteArray& svg)
{
    m_image = image;
    m_svg = svg;
}

bool ScriptedPlatform::OpenDocument(const QString& path)
{
    m_opened << path;
    return !m_failOpening;
}

bool ScriptedPlatform::StartProgram(const QString& program, const QStringList& arguments)
{
    m_opened << program + " " + arguments.join(' ');
    m_started.push_back({program, arguments});
    return !m_failStarts;
}

}  // namespace castovin::test
