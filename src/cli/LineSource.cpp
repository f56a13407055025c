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
    carried_.clear();
    while (true) {
        if (begin_ == end_ && (atEnd_ || !Refill())) {
            if (!failure_.empty() || carried_.empty()) {
                return false;
            }
            line = carried_;  // the last line has no "\n"
            ++lineNumber_;
            return true;
        }
        const char* start = block_.data() + begin_;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
        const std::size_t length =
            newline ? static_cast<std::size_t>(newline - start) + 1 : end_ - begin_;
        begin_ += length;
        if (newline && carried_.empty()) {
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
        if (newline) {
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
