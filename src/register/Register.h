#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "register/RegisterResult.h"
#include "register/SavedBirth.h"

class QSqlQuery;

namespace amsaview {

// How an opening went when it succeeded. A damaged file is never deleted: it
// is renamed and a fresh register started in its place.
struct OpenReport {
    QString movedAsideTo;  // where the damaged register now lies; empty when nothing was moved

    bool startedFresh() const { return !movedAsideTo.isEmpty(); }
    QString message() const;  // for the user; empty when there is nothing to say
};

// What an import stored, and how many of its births were saved already.
struct ImportCount {
    std::vector<BirthId> ids;
    int alreadySaved = 0;
};

// The saved births: one SQLite file, every change one transaction. A failure
// is returned as a message naming the file; the caller can go on computing
// charts without the register.
class Register {
  public:
    using Clock = std::function<QDateTime()>;

    static inline constexpr int kRecentCount = 5;

    explicit Register(Clock utcNow = &QDateTime::currentDateTimeUtc);
    ~Register();
    Register(const Register&) = delete;
    Register& operator=(const Register&) = delete;

    // births.sqlite in the program's data folder.
    static QString DefaultPath();

    // Opens the file, creating it and its folder when missing, and brings an
    // older file up to the current layout. Closes any register open before.
    RegisterResult<OpenReport> open(const QString& path);
    bool isOpen() const;
    QString path() const { return path_; }

    // Stores the birth as a new one and counts it as opened; its id, created
    // and modified fields are ignored.
    RegisterResult<BirthId> saveNew(const SavedBirth& birth);
    // An import: stores, all or none, the births not saved already. One equal
    // to a saved birth (or to one before it in `births`) in everything the
    // form holds is counted instead. Imported births stay out of the recent ones.
    RegisterResult<ImportCount> importNew(const std::vector<SavedBirth>& births);
    // Replaces the saved birth `id` (the one given in birth.id is ignored),
    // keeping its created time, and counts it as opened.
    RegisterStatus update(BirthId id, const SavedBirth& birth);
    RegisterStatus remove(BirthId id);
    // Deletes all or none.
    RegisterStatus removeAll(const std::vector<BirthId>& ids);
    RegisterResult<SavedBirth> load(BirthId id) const;
    // Puts the birth at the top of the recent births.
    RegisterStatus markOpened(BirthId id);

    // Births whose name, city, state, country or year contain every word of
    // the filter, ignoring case; all births for an empty filter. Sorted by name.
    RegisterResult<std::vector<BirthSummary>> search(const QString& filter) const;
    // The births most recently opened or saved, the latest first.
    RegisterResult<std::vector<BirthSummary>> recent(int limit = kRecentCount) const;
    RegisterResult<int> count() const;

    // Everything, sorted by name: for exporting.
    RegisterResult<std::vector<SavedBirth>> loadAll() const;

  private:
    void close();
    // Stores the births not saved already, in one transaction; with `opened`
    // they go to the top of the recent births.
    RegisterResult<ImportCount> insertNew(const std::vector<SavedBirth>& births, bool opened);
    // Runs `sql`, which names the birth as :id, on exactly one birth.
    RegisterStatus changeOne(BirthId id, const QString& action, const QString& sql,
                             const std::function<void(QSqlQuery&)>& bindMore = {});
    RegisterResult<std::vector<BirthSummary>> summaries(const QString& condition,
                                                        const QStringList& values,
                                                        const QString& order) const;
    RegisterError notOpen() const;
    RegisterError failure(const QString& action, const QString& detail) const;

    Clock utcNow_;
    QString path_;
    QString connectionName_;
};

}  // namespace amsaview
