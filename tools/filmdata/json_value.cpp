#include "filmdata/json_value.h"

#include <charconv>

namespace filmdata {

JsonValue JsonValue::Bool(bool value) {
    JsonValue result(Kind::kBool);
    result.bool_ = value;
    return result;
}

JsonValue JsonValue::Number(std::string literal) {
    JsonValue result(Kind::kNumber);
    result.text_ = std::move(literal);
    return result;
}

JsonValue JsonValue::String(std::string text) {
    JsonValue result(Kind::kString);
    result.text_ = std::move(text);
    return result;
}

JsonValue JsonValue::Array(std::vector<JsonValue> items) {
    JsonValue result(Kind::kArray);
    result.items_ = std::move(items);
    return result;
}

JsonValue JsonValue::Object(std::vector<std::string> names, std::vector<JsonValue> values) {
    JsonValue result(Kind::kObject);
    result.names_ = std::move(names);
    result.items_ = std::move(values);
    result.items_.resize(result.names_.size());
    return result;
}

std::optional<double> JsonValue::AsDouble() const {
    if (kind_ != Kind::kNumber) return std::nullopt;
    double value = 0;
    const char* end = text_.data() + text_.size();
    const auto [stop, error] = std::from_chars(text_.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

const JsonValue* JsonValue::Find(std::string_view name) const {
    if (kind_ != Kind::kObject) return nullptr;
    for (std::size_t i = names_.size(); i-- > 0;) {
        if (names_[i] == name) return &items_[i];
    }
    return nullptr;
}

}  // namespace filmdata
