#include "cli/json_writer.h"

#include <cmath>
#include <cstdio>

namespace tl::cli {

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!hasMember_.empty()) {
    if (hasMember_.back()) out_ += ',';
    hasMember_.back() = true;
  }
}

void JsonWriter::Open(char bracket) {
  BeforeValue();
  out_ += bracket;
  hasMember_.push_back(false);
}

void JsonWriter::Close(char bracket) {
  if (!hasMember_.empty()) hasMember_.pop_back();
  out_ += bracket;
}

JsonWriter& JsonWriter::BeginObject() { Open('{'); return *this; }
JsonWriter& JsonWriter::EndObject() { Close('}'); return *this; }
JsonWriter& JsonWriter::BeginArray() { Open('['); return *this; }
JsonWriter& JsonWriter::EndArray() { Close(']'); return *this; }

JsonWriter& JsonWriter::Key(std::string_view key) {
  String(key);
  out_ += ':';
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view value) {
  BeforeValue();
  out_ += '"';
  for (unsigned char c : value) {
    switch (c) {
      case '"': out_ += "\\\""; break;
      case '\\': out_ += "\\\\"; break;
      case '\n': out_ += "\\n"; break;
      case '\r': out_ += "\\r"; break;
      case '\t': out_ += "\\t"; break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out_ += escaped;
        } else {
          out_ += char(c);
        }
    }
  }
  out_ += '"';
  return *this;
}

JsonWriter& JsonWriter::Int(int64_t value) {
  BeforeValue();
  out_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Double(double value) {
  if (!std::isfinite(value)) return Null();
  BeforeValue();
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  out_ += text;
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
  return *this;
}

}  // namespace tl::cli
