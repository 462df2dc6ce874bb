#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string_view>

namespace core {

// Reads a text stream line by line in large chunks. A line ends at a line feed; a carriage
// return directly before the line feed is dropped too, so LF and CRLF files read alike. A last
// line without a line feed is still a line. Lines may be of any length.
class LineReader {
public:
    explicit LineReader(std::istream& in, std::size_t chunk_size = 1 << 20);

    // The next line, valid until the next call; false at the end of the stream or on an error.
    bool Next(std::string_view& line);
    // True if reading stopped because the stream failed, not because it ended.
    bool Failed() const { return failed_; }
    // Bytes of the stream consumed by the lines returned so far.
    std::int64_t Consumed() const { return consumed_; }

private:
    bool Fill();
    // Makes room for at least `room` more bytes after the pending ones.
    void Reserve(std::size_t room);

    std::istream& in_;
    // Not a vector: a vector would clear every byte of a new buffer before the read fills it.
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::size_t chunk_size_;
    std::int64_t consumed_ = 0;
    bool at_end_ = false;
    bool failed_ = false;
};

}  // namespace core
