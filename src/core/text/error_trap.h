#pragma once
// The run-time error trap of a command: each step runs under it; a failed
// step is reported and, as the user or the error class decides, run again,
// skipped, or the command is left.

#include <functional>

namespace castovin {

struct Messenger;
class RuntimeError;

// The run-time error a standard exception stands for (out of memory, a
// subscript error, an invalid argument).
RuntimeError AsRuntimeError(const std::exception& e);

class CommandTrap {
public:
    // `cancelFlag` is the window's cancel flag; `restore` runs before an error
    // is reported (the main window restores the normal pointer).
    CommandTrap(Messenger& messenger, bool& cancelFlag, std::function<void()> restore = {});

    // Runs one step. Returns false when the command must be left; true when
    // it goes on with its next step (the step completed, was skipped after an
    // error, or a dialog in it was cancelled, which sets the cancel flag).
    bool Step(const std::function<void()>& step);

    // True when the last step completed without an error.
    bool Completed() const { return m_completed; }

private:
    Messenger& m_messenger;
    bool& m_cancelFlag;
    std::function<void()> m_restore;
    bool m_completed = false;
};

}  // namespace castovin
