#include "core/text/error_trap.h"

#include <new>
#include <stdexcept>

#include "core/text/messages.h"
#include "core/text/runtime_error.h"

namespace castovin {

RuntimeError AsRuntimeError(const std::exception& e)
{
    if (const auto* runtime = dynamic_cast<const RuntimeError*>(&e))
        return *runtime;
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return RuntimeError(err::OutOfMemory);
    if (dynamic_cast<const std::out_of_range*>(&e))
        return RuntimeError(err::SubscriptOutOfRange);
    return RuntimeError(err::InvalidCall);
}

CommandTrap::CommandTrap(Messenger& messenger, bool& cancelFlag, std::function<void()> restore)
    : m_messenger(messenger), m_cancelFlag(cancelFlag), m_restore(std::move(restore))
{
}

bool CommandTrap::Step(const std::function<void()>& step)
{
    for (;;) {
        try {
            step();
            m_completed = true;
            return true;
        } catch (const std::exception& e) {
            m_completed = false;
            const RuntimeError error = AsRuntimeError(e);
            if (m_restore)
                m_restore();
            const ErrorAction action = ReportRunTimeError(m_messenger, error, true);
            m_cancelFlag = false;
            switch (action) {
            case ErrorAction::Retry:
                continue;
            case ErrorAction::Continue:
                return true;
            case ErrorAction::Cancelled:
                m_cancelFlag = true;
                return true;
            default:
                return false;
            }
        }
    }
}

}  // namespace castovin
