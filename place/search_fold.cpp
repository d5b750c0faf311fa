#include "place/search_fold.h"

#include <algorithm>
#include <array>

#include <unicode/bytestream.h>
#include <unicode/casemap.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>
#include <unicode/uversion.h>

#include "text/text_codec.h"

namespace tavrin::place {
namespace {

bool IsSpace(UChar32 code) { return code == ' ' || code == '\t' || u_charType(code) == U_SPACE_SEPARATOR; }

// Marks (the accents a decomposition leaves) and format characters (bidi
// marks, soft hyphens, zero-width spaces that pasted text brings along).
bool IsLeftOut(UChar32 code) {
  return (U_GET_GC_MASK(code) & (U_GC_MN_MASK | U_GC_ME_MASK | U_GC_CF_MASK)) != 0;
}

void AppendUtf8(UChar32 code, std::string& out) {
  char bytes[U8_MAX_LENGTH];
  int32_t length = 0;
  U8_APPEND_UNSAFE(bytes, length, code);
  out.append(bytes, static_cast<std::size_t>(length));
}

// A code point of a decomposition, or one with none, with its case folded
// and every space made " ".
void AppendDecomposed(UChar32 code, std::string& piece) {
  if (IsSpace(code)) {
    piece += ' ';
    return;
  }
  if (IsLeftOut(code)) return;
  const UChar32 simple = u_foldCase(code, U_FOLD_CASE_DEFAULT);
  if (!u_hasBinaryProperty(simple, UCHAR_CHANGES_WHEN_CASEFOLDED)) {
    AppendUtf8(simple, piece);
    return;
  }
  // Full case folding gives more than one code point ("ß" gives "ss").
  std::string bytes, folded;
  AppendUtf8(code, bytes);
  icu::StringByteSink<std::string> sink(&folded);
  UErrorCode status = U_ZERO_ERROR;
  icu::CaseMap::utf8Fold(0, bytes, sink, nullptr, status);
  if (U_FAILURE(status)) folded = bytes;
  for (int32_t i = 0; i < static_cast<int32_t>(folded.size());) {
    UChar32 point;
    U8_NEXT_UNSAFE(folded.data(), i, point);
    if (IsSpace(point)) piece += ' ';
    else if (!IsLeftOut(point)) AppendUtf8(point, piece);
  }
}

// What a code point folds to.
void FoldCodePoint(UChar32 code, std::string& piece) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* decompose = icu::Normalizer2::getNFKDInstance(status);
  icu::UnicodeString decomposition;
  // Without ICU's data (it comes with the library) nothing decomposes.
  if (U_FAILURE(status) || !decompose->getDecomposition(code, decomposition)) {
    AppendDecomposed(code, piece);
    return;
  }
  for (int32_t k = 0; k < decomposition.length(); k = decomposition.moveIndex32(k, 1))
    AppendDecomposed(decomposition.char32At(k), piece);
}

// The folds of the code points last met, by code point, so that each is asked
// of ICU about once per thread: names repeat their letters.
class FoldCache {
 public:
  std::string_view Fold(char32_t code) {
    Entry& entry = entries_[code % kEntries];
    if (entry.code != code) {
      scratch_.clear();
      FoldCodePoint(static_cast<UChar32>(code), scratch_);
      if (scratch_.size() > sizeof entry.bytes) return scratch_;  // long ones are rare: not kept
      entry.code = code;
      entry.length = static_cast<unsigned char>(scratch_.size());
      std::copy(scratch_.begin(), scratch_.end(), entry.bytes);
    }
    return {entry.bytes, entry.length};
  }

 private:
  static constexpr std::size_t kEntries = 4096;
  struct Entry {
    char32_t code = 0xFFFFFFFF;
    unsigned char length = 0;
    char bytes[27];
  };
  std::array<Entry, kEntries> entries_;
  std::string scratch_;
};

}  // namespace

std::string FoldForSearch(std::string_view text) {
  std::string out;
  AppendFolded(text, out);
  return out;
}

void AppendFolded(std::string_view text, std::string& out) {
  thread_local FoldCache cache;
  const std::size_t start = out.size();
  bool pendingSpace = false;
  // A folded byte; a space is held until something follows it.
  const auto add = [&](char c) {
    if (c == ' ') {
      pendingSpace = out.size() > start;
      return;
    }
    if (pendingSpace) out += ' ';
    pendingSpace = false;
    out += c;
  };
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (static_cast<unsigned char>(c) < 0x80) {  // the common case: ASCII, where folding is lower case
      add(c == '\t' ? ' ' : c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
      ++i;
      continue;
    }
    for (const char byte : cache.Fold(NextCodePoint(text, i))) add(byte);
  }
}

std::string SearchFoldVersion() {
  UVersionInfo version;
  u_getVersion(version);
  char text[U_MAX_VERSION_STRING_LENGTH];
  u_versionToString(version, text);
  return text;
}

}  // namespace tavrin::place
