#include "core/text/runtime_error.h"

namespace castovin {

std::string StandardDescription(int32_t number)
{
    switch (number) {
    case err::InvalidCall:
        return "Invalid procedure call or argument";
    case err::Overflow:
        return "Overflow";
    case err::OutOfMemory:
        return "Out of memory";
    case err::SubscriptOutOfRange:
        return "Subscript out of range";
    case err::DivisionByZero:
        return "Division by zero";
    case err::TypeMismatch:
        return "Type mismatch";
    case err::DeviceTimeout:
        return "Device timeout";
    case err::DeviceFault:
        return "Device fault";
    case err::OutOfPaper:
        return "Out of paper";
    case err::BadFileNameOrNumber:
        return "Bad file name or number";
    case err::FileNotFound:
        return "File not found";
    case err::FileAlreadyOpen:
        return "File already open";
    case err::DeviceIoError:
        return "Device I/O error";
    case err::DiskFull:
        return "Disk full";
    case err::InputPastEndOfFile:
        return "Input past end of file";
    case err::BadFileName:
        return "Bad file name";
    case err::DeviceUnavailable:
        return "Device unavailable";
    case err::PermissionDenied:
        return "Permission denied";
    case err::DiskNotReady:
        return "Disk not ready";
    case err::DiskMediaError:
        return "Disk-media error";
    case err::PathFileAccessError:
        return "Path/File access error";
    case err::PathNotFound:
        return "Path not found";
    case err::PrinterError:
        return "Printer error";
    case err::PrinterDriverError:
        return "Printer driver does not support specified property";
    case err::PrinterInfoError:
        return "Problem getting printer information";
    case err::DialogCancelled:
        return "Cancel was selected.";
    case err::DatabaseCommand:
        return "Database command error";
    default:
        return "Application-defined or object-defined error";
    }
}

RuntimeError::RuntimeError(int32_t number) : RuntimeError(number, StandardDescription(number))
{
}

RuntimeError::RuntimeError(int32_t number, std::string description)
    : std::runtime_error(description), m_number(number), m_description(std::move(description))
{
}

}  // namespace castovin
