#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One value of a JSON text: null, a boolean, a number (kept as written), a string (UTF-8), an
// array or an object (members in file order).
namespace filmdata {

class JsonValue {
  public:
    enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject };

    JsonValue() = default;
    static JsonValue Null() { return JsonValue(Kind::kNull); }
    static JsonValue Bool(bool value);
    // `literal` is the number exactly as written ("1776", "6.1", "-2e3").
    static JsonValue Number(std::string literal);
    static JsonValue String(std::string text);
    static JsonValue Array(std::vector<JsonValue> items);
    static JsonValue Object(std::vector<std::string> names, std::vector<JsonValue> values);

    Kind kind() const { return kind_; }
    bool IsNull() const { return kind_ == Kind::kNull; }
    bool IsBool() const { return kind_ == Kind::kBool; }
    bool IsNumber() const { return kind_ == Kind::kNumber; }
    bool IsString() const { return kind_ == Kind::kString; }
    bool IsArray() const { return kind_ == Kind::kArray; }
    bool IsObject() const { return kind_ == Kind::kObject; }

    bool AsBool() const { return bool_; }
    // A string's decoded text (UTF-8), or a number's literal; empty for the other kinds.
    const std::string& Text() const { return text_; }
    // A number's value, or nothing when this is not a number or it is out of the double range.
    std::optional<double> AsDouble() const;

    // The elements of an array or the member values of an object, in file order.
    const std::vector<JsonValue>& Items() const { return items_; }
    // The member names of an object, parallel to Items().
    const std::vector<std::string>& Names() const { return names_; }
    // The value of an object's member; when a name occurs twice the last one counts, as in
    // JavaScript. Null when there is no such member or this is not an object.
    const JsonValue* Find(std::string_view name) const;

  private:
    explicit JsonValue(Kind kind) : kind_(kind) {}

    Kind kind_ = Kind::kNull;
    bool bool_ = false;
    std::string text_;
    std::vector<JsonValue> items_;
    std::vector<std::string> names_;
};

}  // namespace filmdata
