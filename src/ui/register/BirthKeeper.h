#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "register/Register.h"

namespace amsaview {

// The register as the program uses it: whether it could be opened, and which
// saved birth the form holds, so that Save updates it and the title can tell
// whether the form still matches what was saved.
class BirthKeeper {
  public:
    explicit BirthKeeper(Register::Clock utcNow = &QDateTime::currentDateTimeUtc);

    // A message for the user when there is one: why births cannot be kept,
    // or where a damaged register was moved.
    QString open(const QString& path);
    bool usable() const { return store_.isOpen(); }
    // Why Save and Open are unavailable; empty while the register works.
    const QString& unusableReason() const { return unusableReason_; }

    // Updates the current birth, or saves a new one when there is none.
    RegisterStatus save(const FormInput& form);
    RegisterStatus saveAsNew(const FormInput& form);
    RegisterStatus removeCurrent();
    // Deletes all or none; the form's birth among them is no longer current.
    RegisterStatus remove(const QList<BirthId>& ids);
    // Loads a saved birth and makes it the current one.
    RegisterResult<SavedBirth> openBirth(BirthId id);
    // The form no longer shows a saved birth.
    void forget() { current_.reset(); }

    const std::optional<SavedBirth>& current() const { return current_; }
    // True while `form` differs from the saved birth, or, with none, from `blank`.
    bool differs(const FormInput& form, const FormInput& blank) const;

    Register& store() { return store_; }

  private:
    RegisterStatus makeCurrent(BirthId id);

    Register store_;
    QString unusableReason_;
    std::optional<SavedBirth> current_;
};

}  // namespace amsaview
