#pragma once

#include <stdexcept>
#include <string>

namespace stumpcraft {

// A run-time error as the game reports it: a number and a description. Whatever touches the
// system (files, the records store, the commentator) throws these, and the event procedures
// that trap errors show them in the standard error box.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(long number, const std::string& description)
        : std::runtime_error(description)
        , number_(number)
    {
    }
    long Number() const { return number_; }
    std::string Description() const { return what(); }

private:
    long number_;
};

// Error numbers the game raises itself.
namespace errors {
    constexpr long FileNotFound = 53;
    constexpr long BadFileMode = 54;
    constexpr long InputPastEnd = 62;
    constexpr long PathFileAccess = 75;
    constexpr long DeviceIO = 57;
    constexpr long DiskFull = 61;
    constexpr long SubscriptOutOfRange = 9;
    constexpr long Overflow = 6;
    constexpr long TypeMismatch = 13;
    constexpr long InvalidProcedureCall = 5;
    constexpr long Database = 3146; // an SQL statement failed
    constexpr long DatabaseCorrupt = 3049; // the database file is damaged or not a database
    constexpr long DatabaseNoRow = 3021; // no current record
} // namespace errors

// The standard error box: the number, ": " and the description, OK only, default title.
void ShowErrorBox(const RuntimeError& error);
// The same for any exception; one that is not a RuntimeError is reported as number 5.
void ShowErrorBox(const std::exception& error);

} // namespace stumpcraft
