#include "gui/text_bytes.h"

namespace gui {
namespace {

// Length of the valid UTF-8 sequence starting at `at`, or 0.
std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length = 0;
    char32_t minimum = 0;
    char32_t value = 0;
    if (lead < 0x80) return 1;
    if ((lead & 0xe0) == 0xc0) {
        length = 2;
        minimum = 0x80;
        value = lead & 0x1f;
    } else if ((lead & 0xf0) == 0xe0) {
        length = 3;
        minimum = 0x800;
        value = lead & 0x0f;
    } else if ((lead & 0xf8) == 0xf0) {
        length = 4;
        minimum = 0x10000;
        value = lead & 0x07;
    } else
        return 0;
    if (at + length > bytes.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xc0) != 0x80) return 0;
        value = (value << 6) | (next & 0x3f);
    }
    if (value < minimum || value > 0x10ffff || (value >= 0xd800 && value <= 0xdfff)) return 0;
    return length;
}

}  // namespace

char32_t NextShownChar(std::string_view bytes, std::size_t& at) {
    const std::size_t length = Utf8SequenceLength(bytes, at);
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (length <= 1) {
        ++at;
        return lead;  // ASCII, or Latin-1
    }
    char32_t value = lead & (0x7f >> length);
    for (std::size_t i = 1; i < length; ++i)
        value = (value << 6) | (static_cast<unsigned char>(bytes[at + i]) & 0x3f);
    at += length;
    return value;
}

QString FromBytes(std::string_view bytes) {
    // The common case, plain ASCII or valid UTF-8, converts in one go.
    bool valid = true;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = Utf8SequenceLength(bytes, at);
        if (length == 0) {
            valid = false;
            break;
        }
        at += length;
    }
    if (valid) return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));

    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = Utf8SequenceLength(bytes, at);
        if (length == 0) {
            text += QChar(static_cast<unsigned char>(bytes[at]));  // Latin-1
            ++at;
        } else {
            text += QString::fromUtf8(bytes.data() + at, static_cast<qsizetype>(length));
            at += length;
        }
    }
    return text;
}

std::string ToBytes(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

}  // namespace gui
