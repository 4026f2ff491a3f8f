#include "ui_fixture.h"

#include <QDialog>
#include <QFile>
#include <QFontDatabase>
#include <QPointer>
#include <QProcess>

#include "core/config/folders.h"

namespace castovin::test {

UiFixture::UiFixture(const std::function<void(const QString& home)>& prepare, const QString& project,
                     bool showInputForm, bool startupNotices)
{
    // CASTOVIN_KEEP_TEST_FILES keeps the home folder for a look afterwards.
    if (qEnvironmentVariableIsSet("CASTOVIN_KEEP_TEST_FILES"))
        m_home.setAutoRemove(false);
    QDir(m_home.path()).mkpath("Documents");
    QDir(m_home.path()).mkpath("app");
    if (prepare)
        prepare(m_home.path());
    // The program runs as if installed in the home folder (app/ beside
    // share/castovin), with the data this build made, unless the test laid
    // out a data folder of its own.
    QDir(m_home.path()).mkpath("share");
    QFile::link(QString::fromStdString(FindDataFolder(ExecutableFolder())), m_home.filePath("share/castovin"));
    platform = std::make_unique<ScriptedPlatform>(m_home.filePath("default-printer.pdf"));
    state = std::make_unique<ProgramState>(*platform);
    StartupOptions options;
    options.executablePath = m_home.filePath("app/castovin").toStdString();
    options.appFolder = m_home.filePath("app/").toStdString();
    options.environment.home = m_home.path().toStdString();
    for (const QString& family : QFontDatabase::families()) {
        options.installedFonts.push_back(family.toStdString());
        if (QFontDatabase::isFixedPitch(family))
            options.fixedPitchFonts.push_back(family.toStdString());
    }
    m_window = CreateMainWindow(*state, *platform, options);
    if (!showInputForm)
        state->environment.Settings.ShowInputScreenOnLoad = 0;
    FinishStartup(*m_window, startupNotices, project);
}

std::function<void(const QString&)> UiFixture::WithSettingsFile(const QByteArray& sections)
{
    return [sections](const QString& home) {
        QDir(home).mkpath("Documents/MyTELVOR");
        QFile ini(home + "/Documents/MyTELVOR/VELB.INI");
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[Version]\r\nINIFileVersion=050817\r\n" + sections);
    };
}

void UiFixture::CheckScriptAtEnd() const
{
    // Outside a test function (the screenshot tool) there is nothing to fail,
    // and after a failure the script is rightly left where the test stopped.
    if (!m_scriptChecked || QTest::currentTestFunction() == nullptr || QTest::currentTestFailed())
        return;
    if (!platform->Failures().isEmpty())
        QTest::qFail(qPrintable("calls not as scripted: " + platform->Failures().join("; ")), __FILE__, __LINE__);
    else if (!platform->ScriptUsedUp())
        QTest::qFail("scripted answers left over at the end of the test", __FILE__, __LINE__);
}

UiFixture::~UiFixture()
{
    // Before the windows close: what their closing rules ask is the
    // teardown's, not the test's.
    CheckScriptAtEnd();
    // Owned windows first, closed as a user closes them: their closing
    // rules report back to the main window, which is still there.
    QList<QPointer<QWidget>> owned;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != m_window.get() && w->objectName().startsWith("frm"))
            owned << w;
    for (const QPointer<QWidget>& w : owned)
        if (w)
            w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<QWidget>& w : owned)
        delete w.data();
    m_window.reset();
}

QString UiFixture::Example(const QString& name)
{
    return QString(CASTOVIN_EXAMPLES) + "/" + name;
}

QAction* UiFixture::Action(const QString& name) const
{
    return m_window->findChild<QAction*>(name);
}

void UiFixture::Trigger(const QString& name) const
{
    QAction* action = Action(name);
    if (action == nullptr)
        QFAIL(qPrintable("missing action " + name));
    else
        action->trigger();
}

QWidget* FindTopLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString PdfText(const QString& path)
{
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace castovin::test
