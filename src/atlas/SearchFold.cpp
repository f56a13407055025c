#include "atlas/SearchFold.h"

#include <glib.h>

#include <algorithm>
#include <memory>

namespace amsaview {
namespace {

struct GFreeDeleter {
    void operator()(gchar* text) const { g_free(text); }
};
using GText = std::unique_ptr<gchar, GFreeDeleter>;

bool IsAsciiAlphanumeric(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string FoldAscii(std::string_view ascii) {
    std::string folded;
    bool blankPending = false;
    for (const char* c = ascii.data(); c != ascii.data() + ascii.size(); ++c) {
        if (*c == '\'') {
            continue;
        }
        if (!IsAsciiAlphanumeric(*c)) {
            blankPending = !folded.empty();
            continue;
        }
        if (blankPending) {
            folded += ' ';
            blankPending = false;
        }
        folded += AsciiLower(*c);
    }
    return folded;
}

}  // namespace

std::string FoldForSearch(std::string_view utf8) {
    // Most names are plain ASCII already; glib's transliteration is slow.
    if (IsAscii(utf8)) {
        return FoldAscii(utf8);
    }
    const auto length = static_cast<gssize>(utf8.size());
    const GText valid{g_utf8_make_valid(utf8.data(), length)};
    // The "C" locale gives the plain letter for an accented one (ü -> u).
    const GText ascii{g_str_to_ascii(valid.get(), "C")};
    return FoldAscii(ascii.get());
}

bool BeginsAWord(std::string_view text, std::string_view part) {
    if (text.starts_with(part)) {
        return true;
    }
    for (std::size_t blank = text.find(' '); blank != std::string_view::npos;
         blank = text.find(' ', blank + 1)) {
        if (text.substr(blank + 1).starts_with(part)) {
            return true;
        }
    }
    return false;
}

}  // namespace amsaview
