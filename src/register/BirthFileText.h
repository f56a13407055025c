#pragma once

#include <string>
#include <string_view>

#include "model/FormInput.h"

namespace amsaview {

// A birth's date, time and coordinates as version-2 birth files and the
// register keep them, written as the command line takes them: "1975-03-07",
// "09:05:30", "77E12", "28N36". The form's boxes hold digits only, so a
// coordinate splits at its hemisphere letter.
std::string DateText(const FormInput& form);
std::string TimeText(const FormInput& form);
std::string LongitudeText(const FormInput& form);
std::string LatitudeText(const FormInput& form);

// Each sets the form's fields only when the whole text is of its form and
// within the form's lists; the calendar is the chart's to check (a form may
// hold 31 February, and so may a file).
bool ReadDateText(std::string_view text, FormInput& form);
bool ReadTimeText(std::string_view text, FormInput& form);
bool ReadLongitudeText(std::string_view text, FormInput& form);
bool ReadLatitudeText(std::string_view text, FormInput& form);

// A coordinate box's text, as the form lets it be typed.
bool IsCoordinateBoxText(std::string_view text, std::size_t maxLength);

}  // namespace amsaview
