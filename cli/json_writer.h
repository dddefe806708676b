// JsonWriter: writes one JSON value to a string, for the --json output of
// the commands. Keys and strings are escaped; UTF-8 passes through.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tl::cli {

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view key);
  JsonWriter& String(std::string_view value);
  JsonWriter& Int(int64_t value);
  JsonWriter& Double(double value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

  // key: value shorthands
  JsonWriter& Field(std::string_view key, std::string_view value) { return Key(key).String(value); }
  JsonWriter& Field(std::string_view key, const char* value) { return Key(key).String(value); }
  JsonWriter& Field(std::string_view key, int64_t value) { return Key(key).Int(value); }
  JsonWriter& Field(std::string_view key, int32_t value) { return Key(key).Int(value); }
  JsonWriter& Field(std::string_view key, bool value) { return Key(key).Bool(value); }

  const std::string& Text() const { return out_; }

 private:
  void BeforeValue();
  void Open(char bracket);
  void Close(char bracket);

  std::string out_;
  // One entry per open container: true once it holds a member.
  std::vector<bool> hasMember_;
  bool afterKey_ = false;
};

}  // namespace tl::cli
