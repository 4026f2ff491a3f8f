#pragma once
// Run-time errors of the program: a numbered error with a description, raised by
// any step of a command and classified by the command's error trap.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace castovin {

// Error numbers the program raises or classifies.
namespace err {
inline constexpr int32_t InvalidCall = 5;
inline constexpr int32_t Overflow = 6;
inline constexpr int32_t OutOfMemory = 7;
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t DivisionByZero = 11;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t DeviceTimeout = 24;
inline constexpr int32_t DeviceFault = 25;
inline constexpr int32_t OutOfPaper = 27;
inline constexpr int32_t BadFileNameOrNumber = 52;
inline constexpr int32_t FileNotFound = 53;
inline constexpr int32_t FileAlreadyOpen = 55;
inline constexpr int32_t DeviceIoError = 57;
inline constexpr int32_t DiskFull = 61;
inline constexpr int32_t InputPastEndOfFile = 62;
inline constexpr int32_t BadFileName = 64;
inline constexpr int32_t DeviceUnavailable = 68;
inline constexpr int32_t PermissionDenied = 70;
inline constexpr int32_t DiskNotReady = 71;
inline constexpr int32_t DiskMediaError = 72;
inline constexpr int32_t PathFileAccessError = 75;
inline constexpr int32_t PathNotFound = 76;
inline constexpr int32_t PrinterError = 482;
inline constexpr int32_t PrinterDriverError = 483;
inline constexpr int32_t PrinterInfoError = 484;
inline constexpr int32_t DialogCancelled = 32755;
inline constexpr int32_t DatabaseCommand = -2147217900;
}  // namespace err

// The standard description of a run-time error number.
std::string StandardDescription(int32_t number);

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int32_t number);
    RuntimeError(int32_t number, std::string description);

    int32_t number() const { return m_number; }
    const std::string& description() const { return m_description; }

private:
    int32_t m_number;
    std::string m_description;
};

}  // namespace castovin
