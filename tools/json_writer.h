#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrin::cast {

// Builds JSON text in a buffer it keeps between uses, so a batch that writes
// one object per row allocates only while the buffer grows. Values and keys
// are written in order; the writer puts the commas between them.
class JsonWriter {
 public:
  void Clear();
  std::string_view Text() const { return {buffer_.data(), size_}; }

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  void Key(std::string_view name);  // a member's name, a plain word written as it is; its value follows
  void String(std::string_view text);  // escaped; each byte outside well-formed UTF-8 becomes U+FFFD
  // A text from the program's own tables, well-formed UTF-8 with nothing to
  // escape, copied as it is.
  void PlainString(std::string_view text);
  void Number(double value);  // the shortest text that reads back as the same double
  void Integer(long long value);
  // A number of at most two decimals (an age) as that decimal: 12.37, 8.5, 10.
  void Hundredths(double value);
  void Boolean(bool value);
  void Null();
  void LineBreak();  // ends one line of JSON Lines

  // A member: its key, then its value.
  void StringMember(std::string_view name, std::string_view text) { Key(name); String(text); }
  void PlainStringMember(std::string_view name, std::string_view text) { Key(name); PlainString(text); }
  void NumberMember(std::string_view name, double value) { Key(name); Number(value); }
  void IntegerMember(std::string_view name, long long value) { Key(name); Integer(value); }
  void HundredthsMember(std::string_view name, double value) { Key(name); Hundredths(value); }
  void BooleanMember(std::string_view name, bool value) { Key(name); Boolean(value); }

 private:
  // Makes room for `count` more bytes and, before a value or key, the comma.
  char* Room(std::size_t count);
  void Put(char c);
  void Literal(std::string_view text);  // true, false or null
  void Separate();

  std::string buffer_;  // its own size is the capacity; size_ bytes are in use
  std::size_t size_ = 0;
  bool afterValue_ = false;  // the next value or key needs a comma
};

}  // namespace tavrin::cast
