#include "ui/register/BirthKeeper.h"

namespace amsaview {

BirthKeeper::BirthKeeper(Register::Clock utcNow) : store_(std::move(utcNow)) {}

QString BirthKeeper::open(const QString& path) {
    const auto opened = store_.open(path);
    if (!opened) {
        unusableReason_ = opened.error();
        return QStringLiteral(
                   "%1\n\nCharts can still be computed, but births cannot be saved "
                   "or opened until this is put right.")
            .arg(opened.error());
    }
    unusableReason_.clear();
    return opened.value().message();
}

RegisterStatus BirthKeeper::save(const FormInput& form) {
    if (!current_) {
        return saveAsNew(form);
    }
    SavedBirth birth = *current_;
    birth.form = form;
    if (auto updated = store_.update(current_->id, birth); !updated) {
        return updated;
    }
    return makeCurrent(current_->id);
}

RegisterStatus BirthKeeper::saveAsNew(const FormInput& form) {
    SavedBirth birth;
    birth.form = form;
    const auto id = store_.saveNew(birth);
    if (!id) {
        return RegisterError{id.error()};
    }
    return makeCurrent(id.value());
}

RegisterStatus BirthKeeper::makeCurrent(BirthId id) {
    const auto stored = store_.load(id);
    if (!stored) {
        return RegisterError{stored.error()};
    }
    current_ = stored.value();
    return Done{};
}

RegisterStatus BirthKeeper::removeCurrent() {
    if (!current_) {
        return Done{};
    }
    auto removed = store_.remove(current_->id);
    if (removed) {
        current_.reset();
    }
    return removed;
}

RegisterStatus BirthKeeper::remove(const QList<BirthId>& ids) {
    auto removed = store_.removeAll({ids.begin(), ids.end()});
    if (removed && current_ && ids.contains(current_->id)) {
        current_.reset();
    }
    return removed;
}

RegisterResult<SavedBirth> BirthKeeper::openBirth(BirthId id) {
    auto loaded = store_.load(id);
    if (!loaded) {
        return loaded;
    }
    if (auto marked = store_.markOpened(id); !marked) {
        return RegisterError{marked.error()};
    }
    current_ = loaded.value();
    return loaded;
}

bool BirthKeeper::differs(const FormInput& form, const FormInput& blank) const {
    return form != (current_ ? current_->form : blank);
}

}  // namespace amsaview
