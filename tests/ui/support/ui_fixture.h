#pragma once
// One started program per test: a home folder of its own, the scripted
// platform, the program state and the main window after the whole start-up.

#include <memory>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "core/program/program_state.h"
#include "scripted_platform.h"
#include "ui/main/main_window.h"
#include "ui/main/startup_window.h"

namespace castovin::test {

class UiFixture {
public:
    // Starts the program; `prepare` may write files into the home folder
    // (a settings file, projects) before the start-up reads them.
    // The parameters editor that opens after a project is opened stays shut
    // unless `showInputForm` asks for it (the settings keep their value).
    // The disclaimer and the update reminder stay away unless
    // `startupNotices` asks for them; they come with the first events after
    // the start-up, so a test may set state->environment.Today before.
    explicit UiFixture(const std::function<void(const QString& home)>& prepare = {}, const QString& project = {},
                       bool showInputForm = false, bool startupNotices = false);
    ~UiFixture();
    UiFixture(const UiFixture&) = delete;
    UiFixture& operator=(const UiFixture&) = delete;

    // A `prepare` that writes a settings file of the current version holding
    // `sections` (text after the [Version] section).
    static std::function<void(const QString&)> WithSettingsFile(const QByteArray& sections);

    QString Home() const { return m_home.path(); }
    QString File(const QString& name) const { return m_home.filePath(name); }
    QString DataFolder() const { return m_home.filePath("Documents/MyTELVOR/"); }
    static QString Example(const QString& name);

    QAction* Action(const QString& name) const;
    // Triggers a menu item or toolbar button by its objectName.
    void Trigger(const QString& name) const;

    MainWindow& Main() { return *m_window; }

    // The fixture ends every test by checking that each box and dialog went
    // as scripted and that no scripted answer is left; a test whose script
    // cannot be known in full says so here, with the reason beside the call.
    void LeaveScriptUnchecked() { m_scriptChecked = false; }

    QTemporaryDir m_home;
    std::unique_ptr<ScriptedPlatform> platform;
    std::unique_ptr<ProgramState> state;

private:
    void CheckScriptAtEnd() const;

    std::unique_ptr<MainWindow> m_window;
    bool m_scriptChecked = true;
};

// A visible top-level window with this objectName, or nullptr.
QWidget* FindTopLevel(const QString& name);
QByteArray ReadBytes(const QString& path);
// The text of a PDF file, by pdftotext with the layout kept.
QString PdfText(const QString& path);

}  // namespace castovin::test

// Every box and dialog went as scripted, and the script is used up (the
// fixture checks this at the end of every test too; this checks it here).
#define CHECK_SCRIPT(fixture)                                                                                          \
    do {                                                                                                               \
        QVERIFY2((fixture).platform->Failures().isEmpty(), qPrintable((fixture).platform->Failures().join("; ")));     \
        QVERIFY2((fixture).platform->ScriptUsedUp(), "scripted answers left over");                                    \
    } while (false)

// `text` holds `part`; a failure shows both, not only the expression.
#define CHECK_CONTAINS(text, part)                                                                                     \
    do {                                                                                                               \
        const QString checkedText_ = (text);                                                                           \
        const QString checkedPart_ = (part);                                                                           \
        QVERIFY2(checkedText_.contains(checkedPart_),                                                                  \
                 qPrintable(QString("\"%1\" not found in:\n%2").arg(checkedPart_, checkedText_)));                     \
    } while (false)

// A child of a window by objectName; fails the test when it is missing.
#define REQUIRE_CHILD(type, var, parent, name)                                                                         \
    type* var = (parent) ? (parent)->findChild<type*>(name) : nullptr;                                                 \
    QVERIFY2(var != nullptr, qPrintable(QString("missing child ") + (name)))
