#include "clock/ClockHistory.h"

#include <date/tz.h>

#include <chrono>
#include <fstream>
#include <stdexcept>

#include "clock/RuleClock.h"
#include "clock/ZoneFileRule.h"
#include "clock/ZoneInfoFolder.h"

namespace amsaview {
namespace {

using std::chrono::hours;
using std::chrono::minutes;
using std::chrono::seconds;

std::optional<date::local_seconds> ToLocalSeconds(const LocalDateTime& t) {
    if (t.year < -32767 || t.year > 32767 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > 31 || t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 ||
        t.second > 59) {
        return std::nullopt;
    }
    const date::year_month_day day{date::year{t.year}, date::month{static_cast<unsigned>(t.month)},
                                   date::day{static_cast<unsigned>(t.day)}};
    if (!day.ok()) {
        return std::nullopt;
    }
    return date::local_days{day} + hours{t.hour} + minutes{t.minute} + seconds{t.second};
}

LocalDateTime FromLocalSeconds(date::local_seconds time) {
    const auto day = date::floor<date::days>(time);
    const date::year_month_day ymd{day};
    const date::hh_mm_ss<seconds> clock{time - day};
    return {int{ymd.year()},
            static_cast<int>(unsigned{ymd.month()}),
            static_cast<int>(unsigned{ymd.day()}),
            static_cast<int>(clock.hours().count()),
            static_cast<int>(clock.minutes().count()),
            static_cast<int>(clock.seconds().count())};
}

ClockReading ReadingOf(const date::sys_info& period) {
    return {static_cast<int>(period.offset.count()), period.save != minutes{0}, period.abbrev};
}

// The instant the clock changed, shown on the old clock and on the new one.
ClockChange ChangeBetween(const date::sys_info& before, const date::sys_info& after) {
    const date::local_seconds onOldClock{after.begin.time_since_epoch() + before.offset};
    const date::local_seconds onNewClock{after.begin.time_since_epoch() + after.offset};
    return {ReadingOf(before), ReadingOf(after), FromLocalSeconds(onOldClock),
            FromLocalSeconds(onNewClock)};
}

// date/tz knows the transitions the zone file writes out (up to 2037); past
// the last of them the file's own rule decides, daylight saving included.
bool BeyondWrittenTransitions(const date::local_info& info, date::local_seconds local) {
    const date::sys_seconds farFuture{date::sys_days{date::year{9999} / 1 / 1}};
    if (info.result != date::local_info::unique || info.first.end < farFuture) {
        return false;
    }
    const date::local_seconds lastChange{info.first.begin.time_since_epoch() + info.first.offset};
    return local > lastChange + date::days{1};
}

date::sys_info SysInfoOf(const RulePeriod& period) {
    date::sys_info info{};
    info.begin = date::sys_seconds{seconds{period.beginUt}};
    info.offset = seconds{period.offsetSeconds};
    info.save = minutes{period.daylightSaving ? 60 : 0};
    info.abbrev = period.abbreviation;
    return info;
}

date::local_info InfoAt(const date::time_zone& zone, date::local_seconds local) {
    const date::local_info info = zone.get_info(local);
    if (!BeyondWrittenTransitions(info, local)) {
        return info;
    }
    // A rule without daylight-saving dates ("IST-5:30") only repeats the last
    // written period.
    const std::optional<std::string> rule = ZoneFileRule(zone.name());
    if (!rule || rule->find(',') == std::string::npos) {
        return info;
    }
    const std::optional<RuleClock> clock = ClockFromRule(*rule, local.time_since_epoch().count());
    if (!clock) {
        return info;  // no rule date/tz can read: the last written period stands
    }
    date::local_info fromRule{};
    fromRule.first = SysInfoOf(clock->first);
    switch (clock->kind) {
        case RuleClock::Kind::Unique:
            fromRule.result = date::local_info::unique;
            break;
        case RuleClock::Kind::Skipped:
            fromRule.result = date::local_info::nonexistent;
            fromRule.second = SysInfoOf(clock->second);
            break;
        case RuleClock::Kind::Repeated:
            fromRule.result = date::local_info::ambiguous;
            fromRule.second = SysInfoOf(clock->second);
            break;
    }
    return fromRule;
}

const date::time_zone* FindZone(std::string_view ianaZone) {
    try {
        return date::locate_zone(ianaZone);
    } catch (const std::runtime_error&) {
        return nullptr;
    }
}

}  // namespace

std::optional<ClockAtBirth> ClockInForce(std::string_view ianaZone, const LocalDateTime& local) {
    const date::time_zone* zone = FindZone(ianaZone);
    const std::optional<date::local_seconds> when = ToLocalSeconds(local);
    if (zone == nullptr || !when) {
        return std::nullopt;
    }
    const date::local_info info = InfoAt(*zone, *when);
    ClockAtBirth result;
    switch (info.result) {
        case date::local_info::unique:
            result.inForce = ReadingOf(info.first);
            break;
        case date::local_info::nonexistent:
            result.kind = LocalTimeKind::Skipped;
            result.change = ChangeBetween(info.first, info.second);
            break;
        case date::local_info::ambiguous:
            result.kind = LocalTimeKind::Repeated;
            result.change = ChangeBetween(info.first, info.second);
            break;
    }
    return result;
}

bool IsKnownZone(std::string_view ianaZone) {
    return FindZone(ianaZone) != nullptr;
}

std::string TzDatabaseVersion() {
    try {
        const std::string& version = date::get_tzdb().version;
        if (!version.empty() && version != "unknown") {
            return version;
        }
    } catch (const std::exception&) {
    }
    // Debian ships no +VERSION file, which date/tz looks for; the compact
    // source of the same build names its version on its first line.
    std::ifstream source(std::string(kZoneInfoFolder) + "/tzdata.zi");
    std::string firstLine;
    constexpr std::string_view kMarker = "# version ";
    if (std::getline(source, firstLine) && firstLine.starts_with(kMarker) &&
        firstLine.size() > kMarker.size()) {
        return firstLine.substr(kMarker.size());
    }
    return "unknown";
}

}  // namespace amsaview
