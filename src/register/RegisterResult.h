#pragma once

#include <QString>
#include <utility>
#include <variant>

namespace amsaview {

// What went wrong, in words fit to show the user; it names the file or the
// birth concerned.
struct RegisterError {
    QString message;
};

// A value, or the error that prevented it. Failures are returned, never thrown.
template <typename T>
class RegisterResult {
  public:
    RegisterResult(T value) : outcome_(std::move(value)) {}
    RegisterResult(RegisterError error) : outcome_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(outcome_); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(outcome_); }
    T&& value() && { return std::get<T>(std::move(outcome_)); }
    const QString& error() const { return std::get<RegisterError>(outcome_).message; }

  private:
    std::variant<T, RegisterError> outcome_;
};

// For operations that return nothing but may fail.
struct Done {};
using RegisterStatus = RegisterResult<Done>;

}  // namespace amsaview
