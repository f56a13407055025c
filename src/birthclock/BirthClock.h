#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "birthclock/ZoneRowMatch.h"
#include "clock/ClockHistory.h"
#include "model/FormInput.h"

namespace amsaview {

// Which of the two moments a repeated local time means, when the user said.
enum class RepeatedMoment { Ask, Earlier, Later };

// The clock of a birth, settled.
struct BirthClock {
    std::string zone;                  // IANA name
    ClockReading reading;              // the clock in force
    std::optional<ZoneRowChoice> row;  // none: only the exact offset expresses it
};

// Why no clock could be settled; `message` is the one line to show.
struct BirthClockProblem {
    enum class Kind { UnknownZone, NotOnCalendar, Skipped, Repeated };
    Kind kind = Kind::UnknownZone;
    std::string message;
    std::optional<ClockChange> change;  // Skipped and Repeated
};

// The clock in force at the zone when its clocks showed `local`, and the zone
// row that expresses it. A repeated time is settled by `repeated`; with Ask it
// is a problem naming both offsets. `placeName` appears in the messages.
std::variant<BirthClock, BirthClockProblem> ResolveBirthClock(std::string_view zone,
                                                              const LocalDateTime& local,
                                                              std::string_view placeName,
                                                              RepeatedMoment repeated);

// The form's zone row and box, or its exact offset, set to the clock.
void ApplyBirthClock(const BirthClock& clock, FormInput& form);

// Which moment a saved offset meant, should its local time have happened
// twice at the zone: the one that kept that offset. Ask when neither did or
// the time was not repeated.
RepeatedMoment MomentKeepingOffset(std::string_view zone, const LocalDateTime& local,
                                   int utcOffsetSeconds);

// The local date and time the form holds, to the second.
LocalDateTime LocalMomentOf(const FormInput& form);

// What the form shows beside the zone list: "Clock on that date: IST +05:30",
// "Local mean time +05:21:10 (not in the list)".
std::string BirthClockText(const BirthClock& clock);

}  // namespace amsaview
