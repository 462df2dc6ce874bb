#pragma once

#include <istream>
#include <ostream>
#include <stdexcept>
#include <streambuf>
#include <string>

// A stream buffer that hands out some bytes and then fails, as a file does when the disk behind it
// reports an error.
class FailingReadBuffer final : public std::streambuf {
  public:
    explicit FailingReadBuffer(std::string bytes) : bytes_(std::move(bytes)) {
        setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
    }

  protected:
    int_type underflow() override { throw std::runtime_error("read error"); }

  private:
    std::string bytes_;
};

// An input stream over FailingReadBuffer.
class FailingInput : public std::istream {
  public:
    explicit FailingInput(std::string bytes) : std::istream(nullptr), buffer_(std::move(bytes)) {
        rdbuf(&buffer_);
    }

  private:
    FailingReadBuffer buffer_;
};

// A stream buffer that takes `room` bytes and then refuses more.
class FullWriteBuffer final : public std::streambuf {
  public:
    explicit FullWriteBuffer(std::size_t room) : room_(room) {}
    const std::string& written() const { return written_; }

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        if (written_.size() >= room_) return traits_type::eof();
        written_ += traits_type::to_char_type(c);
        return c;
    }

  private:
    std::size_t room_;
    std::string written_;
};
