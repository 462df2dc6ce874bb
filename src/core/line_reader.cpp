#include "core/line_reader.h"

#include <cstring>

namespace core {

LineReader::LineReader(std::istream& in, std::size_t chunk_size)
    : in_(in), chunk_size_(chunk_size == 0 ? 1 : chunk_size) {}

bool LineReader::Fill() {
    if (at_end_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (buffer_.size() - end_ < chunk_size_) buffer_.resize(end_ + chunk_size_);
    in_.read(buffer_.data() + end_, static_cast<std::streamsize>(buffer_.size() - end_));
    const auto got = static_cast<std::size_t>(in_.gcount());
    end_ += got;
    if (!in_) {
        at_end_ = true;
        failed_ = in_.bad();
    }
    return got > 0;
}

bool LineReader::Next(std::string_view& line) {
    std::size_t searched = begin_;
    for (;;) {
        const char* start = buffer_.data() + searched;
        const void* found = searched < end_ ? std::memchr(start, '\n', end_ - searched) : nullptr;
        if (found != nullptr) {
            const auto newline = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
            std::size_t length = newline - begin_;
            if (length > 0 && buffer_[newline - 1] == '\r') --length;
            line = std::string_view(buffer_.data() + begin_, length);
            consumed_ += static_cast<std::int64_t>(newline + 1 - begin_);
            begin_ = newline + 1;
            return true;
        }
        const std::size_t pending = end_ - begin_;
        if (!Fill()) {
            if (failed_ || end_ == begin_) return false;
            line = std::string_view(buffer_.data() + begin_, end_ - begin_);
            consumed_ += static_cast<std::int64_t>(end_ - begin_);
            begin_ = end_;
            return true;
        }
        searched = begin_ + pending;
    }
}

}  // namespace core
