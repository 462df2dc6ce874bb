#include "core/line_reader.h"

#include <algorithm>
#include <cstring>

namespace core {

LineReader::LineReader(std::istream& in, std::size_t chunk_size)
    : in_(in), chunk_size_(chunk_size == 0 ? 1 : chunk_size) {}

void LineReader::Reserve(std::size_t room) {
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (capacity_ - end_ >= room) return;
    const std::size_t capacity = std::max(capacity_ * 2, end_ + room);
    std::unique_ptr<char[]> grown(new char[capacity]);
    if (end_ > 0) std::memcpy(grown.get(), buffer_.get(), end_);
    buffer_ = std::move(grown);
    capacity_ = capacity;
}

bool LineReader::Fill() {
    if (at_end_) return false;
    Reserve(chunk_size_);
    in_.read(buffer_.get() + end_, static_cast<std::streamsize>(capacity_ - end_));
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
        const char* start = buffer_.get() + searched;
        const void* found = searched < end_ ? std::memchr(start, '\n', end_ - searched) : nullptr;
        if (found != nullptr) {
            const auto newline = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.get());
            std::size_t length = newline - begin_;
            if (length > 0 && buffer_[newline - 1] == '\r') --length;
            line = std::string_view(buffer_.get() + begin_, length);
            consumed_ += static_cast<std::int64_t>(newline + 1 - begin_);
            begin_ = newline + 1;
            return true;
        }
        const std::size_t pending = end_ - begin_;
        if (!Fill()) {
            if (failed_ || end_ == begin_) return false;
            line = std::string_view(buffer_.get() + begin_, end_ - begin_);
            consumed_ += static_cast<std::int64_t>(end_ - begin_);
            begin_ = end_;
            return true;
        }
        searched = begin_ + pending;
    }
}

}  // namespace core
