#include "atlas/SearchFold.h"

#include <glib.h>

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

}  // namespace

std::string FoldForSearch(std::string_view utf8) {
    const auto length = static_cast<gssize>(utf8.size());
    const GText valid{g_utf8_make_valid(utf8.data(), length)};
    // The "C" locale gives the plain letter for an accented one (ü -> u).
    const GText ascii{g_str_to_ascii(valid.get(), "C")};
    std::string folded;
    bool blankPending = false;
    for (const char* c = ascii.get(); *c != '\0'; ++c) {
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
