#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace marklode::cli {

// Writes one JSON document. Numbers are written so that they parse back to the same double;
// infinities, which JSON cannot spell, become 1e999 and -1e999 (read back as infinities).
class JsonWriter {
  public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(double number);
    JsonWriter& value(std::int64_t number);
    JsonWriter& value(bool flag);
    JsonWriter& null();

    const std::string& text() const { return text_; }

  private:
    void separate();

    std::string text_;
    std::vector<bool> hasItems_;
    bool afterKey_ = false;
};

// Quoted and escaped. Bytes that are not UTF-8 (paths may hold any) become U+FFFD, one for each.
void appendJsonString(std::string& out, std::string_view text);
void appendJsonNumber(std::string& out, double number);

} // namespace marklode::cli
