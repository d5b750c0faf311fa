#pragma once

#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

#include "tools/short_copy.h"

namespace tavrin::cast {

// Builds JSON text in a buffer it keeps between uses, so a batch that writes
// one object per row allocates only while the buffer grows. Values and keys
// are written in order; the writer puts the commas between them.
//
// A batch writes hundreds of keys and short texts a row, so the small steps
// are written here whole: a key's name, known where it is written, is copied
// without a call.
class JsonWriter {
 public:
  void Clear() {
    size_ = 0;
    afterValue_ = false;
  }
  std::string_view Text() const { return {buffer_.data(), size_}; }

  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  // A member's name, a plain word written as it is; its value follows.
  void Key(std::string_view name) {
    char* out = Room(name.size() + 3);
    *out++ = '"';
    out = CopyShort(name, out);
    *out++ = '"';
    *out++ = ':';
    End(out, false);
  }
  void String(std::string_view text);  // escaped; each byte outside well-formed UTF-8 becomes U+FFFD
  // A text from the program's own tables, well-formed UTF-8 with nothing to
  // escape, copied as it is.
  void PlainString(std::string_view text) {
    char* out = Room(text.size() + 2);
    *out++ = '"';
    out = CopyShort(text, out);
    *out++ = '"';
    End(out, true);
  }
  // A value already written as JSON, copied as it is.
  void Verbatim(std::string_view value) { End(CopyShort(value, Room(value.size())), true); }
  void Number(double value);  // the shortest text that reads back as the same double
  void Integer(long long value) {
    char* out = Room(24);
    End(std::to_chars(out, out + 24, value).ptr, true);
  }
  // A number of at most two decimals (an age) as that decimal: 12.37, 8.5, 10.
  void Hundredths(double value);
  void Null() { Verbatim("null"); }
  void Boolean(bool value) { Verbatim(value ? std::string_view("true") : std::string_view("false")); }
  void LineBreak() {  // ends one line of JSON Lines
    Close('\n');
    afterValue_ = false;
  }

  // A member: its key, then its value.
  void StringMember(std::string_view name, std::string_view text) { Key(name); String(text); }
  void PlainStringMember(std::string_view name, std::string_view text) { Key(name); PlainString(text); }
  void NumberMember(std::string_view name, double value) { Key(name); Number(value); }
  void IntegerMember(std::string_view name, long long value) { Key(name); Integer(value); }
  void HundredthsMember(std::string_view name, double value) { Key(name); Hundredths(value); }
  void BooleanMember(std::string_view name, bool value) { Key(name); Boolean(value); }

 private:
  // Makes room for `count` more bytes and, before a value or key, the comma.
  char* Room(std::size_t count) {
    if (buffer_.size() - size_ < count + 1) Grow(count + 1);
    char* out = buffer_.data() + size_;
    *out = ',';
    return out + (afterValue_ ? 1 : 0);
  }
  void Grow(std::size_t count);
  // Takes what was written up to `out`; `value` when it ended a value.
  void End(const char* out, bool value) {
    size_ = static_cast<std::size_t>(out - buffer_.data());
    afterValue_ = value;
  }
  void Open(char bracket) {
    char* out = Room(1);
    *out++ = bracket;
    End(out, false);
  }
  void Close(char c) {
    if (size_ == buffer_.size()) Grow(1);
    buffer_[size_++] = c;
    afterValue_ = true;
  }

  std::string buffer_;  // its own size is the capacity; size_ bytes are in use
  std::size_t size_ = 0;
  bool afterValue_ = false;  // the next value or key needs a comma
};

}  // namespace tavrin::cast
