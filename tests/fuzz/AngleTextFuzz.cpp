// Any double, NaN, infinities and the largest values included, and any
// text where a long form is read.

#include "FuzzInput.h"
#include "astro/AngleText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace amsaview;
    using fuzz::Require;
    fuzz::FuzzInput input(data, size);
    const auto angle = input.Take<double>();

    const std::string longForm = FormatLongitude(angle);
    const std::string shortForm = ShortPositionText(longForm);
    const std::string signedForm = FormatSignedAngle(angle);
    if (angle >= 0 && angle < 360) {
        Require(shortForm.size() == 9 && SignOfLongForm(longForm).has_value());
    }

    const std::string text = input.Rest();
    Require(ShortPositionText(text).size() >= 4);
    if (const auto sign = SignOfLongForm(text)) {
        Require(*sign >= 0 && *sign < 12);
    }
    return 0;
}
