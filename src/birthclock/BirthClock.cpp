#include "birthclock/BirthClock.h"

#include "clock/ClockTexts.h"

namespace amsaview {
namespace {

std::string ExactDescription(std::string_view zone, const ClockReading& clock) {
    std::string text = std::string(zone) + " " + FormatUtcOffset(clock.utcOffsetSeconds);
    const std::string& letters = clock.abbreviation;
    if (letters == "LMT") {
        text += ", local mean time";
    } else if (!letters.empty() && letters.front() != '+' && letters.front() != '-') {
        text += " (" + letters + ")";
    }
    if (clock.daylightSaving) {
        text += ", daylight saving";
    }
    return text;
}

BirthClock Settled(std::string_view zone, const ClockReading& reading) {
    return BirthClock{std::string(zone), reading, ZoneRowForClock(reading)};
}

}  // namespace

std::variant<BirthClock, BirthClockProblem> ResolveBirthClock(std::string_view zone,
                                                              const LocalDateTime& local,
                                                              std::string_view placeName,
                                                              RepeatedMoment repeated) {
    using Kind = BirthClockProblem::Kind;
    const auto found = ClockInForce(zone, local);
    if (!found) {
        // Only a failed lookup needs to know which of the two went wrong.
        if (!IsKnownZone(zone)) {
            return BirthClockProblem{Kind::UnknownZone, "Unknown time zone " + std::string(zone),
                                     std::nullopt};
        }
        return BirthClockProblem{
            Kind::NotOnCalendar,
            FormatLocalMoment(local) + " is not a date and time on the calendar", std::nullopt};
    }
    switch (found->kind) {
        case LocalTimeKind::Unique:
            return Settled(zone, found->inForce);
        case LocalTimeKind::Skipped:
            return BirthClockProblem{
                Kind::Skipped, SkippedTimeMessage(local, *found->change, placeName), found->change};
        case LocalTimeKind::Repeated:
            if (repeated == RepeatedMoment::Earlier) {
                return Settled(zone, found->change->before);
            }
            if (repeated == RepeatedMoment::Later) {
                return Settled(zone, found->change->after);
            }
            return BirthClockProblem{Kind::Repeated,
                                     RepeatedTimeMessage(local, *found->change, placeName),
                                     found->change};
    }
    return BirthClockProblem{};
}

void ApplyBirthClock(const BirthClock& clock, FormInput& form) {
    if (clock.row) {
        form.zoneRow = clock.row->row;
        form.dst = clock.row->dst;
        form.exactClock.reset();
        return;
    }
    form.dst = false;
    form.exactClock = ExactClock{clock.reading.utcOffsetSeconds,
                                 ExactDescription(clock.zone, clock.reading), clock.zone};
}

RepeatedMoment MomentKeepingOffset(std::string_view zone, const LocalDateTime& local,
                                   int utcOffsetSeconds) {
    const auto found = ClockInForce(zone, local);
    if (!found || found->kind != LocalTimeKind::Repeated) {
        return RepeatedMoment::Ask;
    }
    if (found->change->before.utcOffsetSeconds == utcOffsetSeconds) {
        return RepeatedMoment::Earlier;
    }
    if (found->change->after.utcOffsetSeconds == utcOffsetSeconds) {
        return RepeatedMoment::Later;
    }
    return RepeatedMoment::Ask;
}

LocalDateTime LocalMomentOf(const FormInput& form) {
    return LocalDateTime{kFirstYear + form.yearRow,
                         form.monthRow + 1,
                         form.dayRow + 1,
                         form.hourRow,
                         form.minuteRow,
                         form.secondRow};
}

std::string BirthClockText(const BirthClock& clock) {
    if (!clock.row) {
        return DescribeClock(clock.reading) + " (not in the list)";
    }
    return "Clock on that date: " + DescribeClock(clock.reading);
}

}  // namespace amsaview
