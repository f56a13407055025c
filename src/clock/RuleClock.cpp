#include "clock/RuleClock.h"

#include <date/ptz.h>

#include <chrono>
#include <exception>

namespace amsaview {
namespace {

RulePeriod PeriodOf(const date::sys_info& info) {
    return {info.begin.time_since_epoch().count(), static_cast<int>(info.offset.count()),
            info.save != std::chrono::minutes{0}, info.abbrev};
}

}  // namespace

std::optional<RuleClock> ClockFromRule(const std::string& rule, std::int64_t localSeconds) {
    try {
        const Posix::time_zone zone{rule};
        const date::local_info info =
            zone.get_info(date::local_seconds{std::chrono::seconds{localSeconds}});
        RuleClock clock;
        clock.first = PeriodOf(info.first);
        if (info.result != date::local_info::unique) {
            clock.kind = info.result == date::local_info::nonexistent ? RuleClock::Kind::Skipped
                                                                      : RuleClock::Kind::Repeated;
            clock.second = PeriodOf(info.second);
        }
        return clock;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace amsaview
