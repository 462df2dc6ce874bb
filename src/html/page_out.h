#pragma once

#include <charconv>
#include <concepts>
#include <cstring>
#include <memory>
#include <ostream>
#include <string_view>

namespace html {

// Collects the many small pieces of a page in a fixed buffer and hands them to the file's stream
// in large blocks: a page is hundreds of thousands of fragments, and a stream call for each
// would cost more than the writing itself. Memory stays at the buffer, whatever the page's size.
// Flush() before the stream is closed: what is still collected is not written by itself.
class PageOut {
  public:
    explicit PageOut(std::ostream& out) : out_(out), buffer_(new char[kSize]) {}
    PageOut(const PageOut&) = delete;
    PageOut& operator=(const PageOut&) = delete;

    void Put(std::string_view text) {
        if (text.size() > kSize - used_) {
            Flush();
            if (text.size() > kSize) {
                out_.write(text.data(), static_cast<std::streamsize>(text.size()));
                return;
            }
        }
        std::memcpy(buffer_.get() + used_, text.data(), text.size());
        used_ += text.size();
    }
    // Room for up to `size` bytes (at most Capacity()) to be written straight into the buffer;
    // Advance() by the count written.
    char* Claim(std::size_t size) {
        if (size > kSize - used_) Flush();
        return buffer_.get() + used_;
    }
    void Advance(std::size_t count) { used_ += count; }
    static constexpr std::size_t Capacity() { return kSize; }

    // Hands what is collected to the stream.
    void Flush() {
        if (used_ == 0) return;
        out_.write(buffer_.get(), static_cast<std::streamsize>(used_));
        used_ = 0;
    }

    PageOut& operator<<(std::string_view text) {
        Put(text);
        return *this;
    }
    PageOut& operator<<(char c) {
        Put({&c, 1});
        return *this;
    }
    PageOut& operator<<(std::integral auto number) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        Put({digits, static_cast<std::size_t>(end - digits)});
        return *this;
    }

  private:
    static constexpr std::size_t kSize = 1 << 16;
    std::ostream& out_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
};

}  // namespace html
