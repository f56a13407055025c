#include "cli/LineSource.h"

#include <rapidjson/encodings.h>
#include <rapidjson/memorystream.h>

#include <cerrno>
#include <cstring>

namespace amsaview {
namespace {

constexpr std::size_t kBlockSize = 1 << 16;

struct NoOutput {
    using Ch = char;
    void Put(char) {}
};

// Where the line that begins at `start` ends: after "\n", "\r\n" or a lone
// "\r" (old Mac files), or nothing when the block ends first. `open` says
// the block ended on a "\r" whose "\n" may be in the next block.
const char* LineEnd(const char* start, const char* stop, bool& open) {
    const auto* newline =
        static_cast<const char*>(std::memchr(start, '\n', static_cast<std::size_t>(stop - start)));
    const char* searchEnd = newline ? newline : stop;
    const auto* cr = static_cast<const char*>(
        std::memchr(start, '\r', static_cast<std::size_t>(searchEnd - start)));
    open = false;
    if (cr == nullptr || cr + 1 == newline) {
        return newline ? newline + 1 : nullptr;
    }
    if (cr + 1 == stop) {
        open = true;
        return nullptr;
    }
    return cr + 1;
}

}  // namespace

LineSource::LineSource(std::FILE* file) : file_(file), block_(kBlockSize) {}

bool LineSource::Refill() {
    const std::size_t read = std::fread(block_.data(), 1, block_.size(), file_);
    if (read == 0 && std::ferror(file_)) {
        failure_ = std::strerror(errno);
    }
    begin_ = 0;
    end_ = read;
    bytesRead_ += static_cast<long long>(read);
    atEnd_ = read == 0;
    return !atEnd_;
}

bool LineSource::Next(std::string_view& line) {
    if (!failure_.empty()) {
        return false;  // what follows a line too long to read would be its tail
    }
    carried_.clear();
    bool openCarriageReturn = false;
    while (true) {
        if (begin_ == end_ && (atEnd_ || !Refill())) {
            if (!failure_.empty() || carried_.empty()) {
                return false;
            }
            line = carried_;  // the last line has no line end
            ++lineNumber_;
            return true;
        }
        const char* start = block_.data() + begin_;
        if (openCarriageReturn) {
            if (*start == '\n') {
                carried_ += '\n';
                ++begin_;
            }
            line = carried_;
            ++lineNumber_;
            return true;
        }
        const char* end = LineEnd(start, block_.data() + end_, openCarriageReturn);
        const std::size_t length = end ? static_cast<std::size_t>(end - start) : end_ - begin_;
        begin_ += length;
        if (end && carried_.empty()) {
            line = std::string_view(start, length);
            ++lineNumber_;
            return true;
        }
        carried_.append(start, length);
        if (carried_.size() > kLongestLine) {
            failure_ = "line " + std::to_string(lineNumber_ + 1) + " is longer than " +
                       std::to_string(kLongestLine) + " bytes";
            return false;
        }
        if (end) {
            line = carried_;
            ++lineNumber_;
            return true;
        }
    }
}

bool IsUtf8(std::string_view text) {
    rapidjson::MemoryStream stream(text.data(), text.size());
    NoOutput sink;
    while (stream.Tell() < text.size()) {
        if (!rapidjson::UTF8<char>::Validate(stream, sink)) {
            return false;
        }
    }
    return true;
}

}  // namespace amsaview
