#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace amsaview::fuzz {

// A property every input must keep; the fuzzer reports the abort.
inline void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Takes values off the front of a fuzz input; once the bytes run out every
// value is zero or empty, so any input, however short, describes one case.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <typename T>
    T Take() {
        T value{};
        const std::size_t count = std::min(sizeof value, size_);
        if (count > 0) {
            std::memcpy(&value, data_, count);
        }
        Skip(count);
        return value;
    }

    bool Flag() { return (Take<std::uint8_t>() & 1) != 0; }

    // A row that is usually inside a list of `count` rows, yet sometimes
    // any int at all, so both the computation and the checks are reached.
    int Row(int count) {
        const auto kind = Take<std::uint8_t>();
        const int raw = Take<int>();
        if (kind % 8 != 0) {
            return static_cast<int>(static_cast<unsigned>(raw) % static_cast<unsigned>(count));
        }
        return raw;
    }

    // A text of up to 255 bytes, its length in the byte before it.
    std::string Text() {
        const std::size_t length = std::min<std::size_t>(Take<std::uint8_t>(), size_);
        std::string text(reinterpret_cast<const char*>(data_), length);
        Skip(length);
        return text;
    }

    std::string Rest() {
        std::string text(reinterpret_cast<const char*>(data_), size_);
        Skip(size_);
        return text;
    }

  private:
    void Skip(std::size_t count) {
        data_ += count;
        size_ -= count;
    }

    const std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace amsaview::fuzz
