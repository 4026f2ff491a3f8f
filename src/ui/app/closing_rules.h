#pragma once
// One mechanism for every window's closing rules (give the main window back,
// log what the window logs on closing, remember values, write settings): they
// run exactly once, however the window goes — its own buttons, Esc, Enter on
// a default button, the close box, Alt+F4, accept()/reject()/done() (which in
// Qt 6 close a dialog without a close event), or the program ending.

#include <functional>

#include <QObject>

class QWidget;

namespace castovin {

class ClosingRules : public QObject {
    Q_OBJECT

public:
    // Runs `rules` once, the first time `window` is hidden by the program (a
    // close, accept, reject or done, or its owner closing; not a minimise).
    // The rules object belongs to the window.
    static ClosingRules* Install(QWidget* window, std::function<void()> rules);

    // Runs the rules now unless they ran already (the main window calls this
    // for the windows it still owns when it closes).
    void RunOnce();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ClosingRules(QWidget* window, std::function<void()> rules);

    std::function<void()> m_rules;
    bool m_ran = false;
};

}  // namespace castovin
