#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace amsaview {

// The physical lines of a file, read in blocks so memory stays flat whatever
// the file's size. A line ends in "\n", "\r\n" or a lone "\r" and keeps its
// end; a line may not exceed kLongestLine, and after one that does, nothing
// more is read.
class LineSource {
  public:
    static constexpr std::size_t kLongestLine = 1 << 20;

    explicit LineSource(std::FILE* file);

    // The next line; false at the end or on a failure (then failure() says which).
    bool Next(std::string_view& line);
    long lineNumber() const { return lineNumber_; }
    long long bytesRead() const { return bytesRead_; }
    const std::string& failure() const { return failure_; }

  private:
    bool Refill();

    std::FILE* file_;
    std::vector<char> block_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::string carried_;  // a line split across blocks
    long lineNumber_ = 0;
    long long bytesRead_ = 0;
    bool atEnd_ = false;
    std::string failure_;
};

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text);

}  // namespace amsaview
