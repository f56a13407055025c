#pragma once

#include <string>
#include <string_view>

namespace amsaview {

// Text reduced for matching: accents transliterated to ASCII, lower case,
// apostrophes dropped, any other run of punctuation or blanks one blank.
// "Ma’anshan" -> "maanshan", "St. Louis" -> "st louis", "BOGOTÁ" -> "bogota".
std::string FoldForSearch(std::string_view utf8);

// Whether `part` (folded) begins `text` (folded) or one of its words.
bool BeginsAWord(std::string_view text, std::string_view part);

}  // namespace amsaview
