#include "place/search_fold.h"

#include "text/text_codec.h"

#include <algorithm>
#include <cstdint>

namespace tavrin::place {
namespace {

// The plain letters of U+00C0 to U+017F, one string per code point; an empty
// one keeps the character. Two-letter entries stand for ligatures and the like.
constexpr std::string_view kLatinBase[] = {
    // U+00C0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u", "y", "th", "y",
    // U+0100
    "a", "a", "a", "a", "a", "a", "c", "c", "c", "c", "c", "c", "c", "c", "d", "d",
    "d", "d", "e", "e", "e", "e", "e", "e", "e", "e", "e", "e", "g", "g", "g", "g",
    "g", "g", "g", "g", "h", "h", "h", "h", "i", "i", "i", "i", "i", "i", "i", "i",
    "i", "i", "ij", "ij", "j", "j", "k", "k", "k", "l", "l", "l", "l", "l", "l", "l",
    "l", "l", "l", "n", "n", "n", "n", "n", "n", "n", "n", "n", "o", "o", "o", "o",
    "o", "o", "oe", "oe", "r", "r", "r", "r", "r", "r", "s", "s", "s", "s", "s", "s",
    "s", "s", "t", "t", "t", "t", "t", "t", "u", "u", "u", "u", "u", "u", "u", "u",
    "u", "u", "u", "u", "w", "w", "y", "y", "y", "z", "z", "z", "z", "z", "z", "s",
};
constexpr char32_t kLatinFirst = 0xC0;

// The plain letters of U+1E00 to U+1EFF (Vietnamese among them), one per
// code point; "?" keeps the character.
constexpr std::string_view kLatinAdditionalBase =
    "aabbbbbbccddddddddddeeeeeeeeeeffgghhhhhhhhhhiiiikkkkkkllllllllmm"
    "mmmmnnnnnnnnoooooooopppprrrrrrrrssssssssssttttttttuuuuuuuuuuvvvv"
    "wwwwwwwwwwxxxxyyzzzzzzhtwy?s????aaaaaaaaaaaaaaaaaaaaaaaaeeeeeeee"
    "eeeeeeeeiiiioooooooooooooooooooooooouuuuuuuuuuuuuuyyyyyyyy??????";
constexpr char32_t kLatinAdditionalFirst = 0x1E00;

// Letters beyond those blocks that place names use often.
struct Extra {
  char32_t code;
  std::string_view base;
};
constexpr Extra kExtraBase[] = {
    {0x01A0, "o"}, {0x01A1, "o"}, {0x01AF, "u"}, {0x01B0, "u"}, {0x01CD, "a"}, {0x01CE, "a"},
    {0x01CF, "i"}, {0x01D0, "i"}, {0x01D1, "o"}, {0x01D2, "o"}, {0x01D3, "u"}, {0x01D4, "u"},
    {0x0218, "s"}, {0x0219, "s"}, {0x021A, "t"}, {0x021B, "t"}, {0x02BB, "'"}, {0x02BC, "'"},
    {0x02BF, "'"}, {0x2019, "'"}, {0x2018, "'"},
};

char32_t LowerGreekOrCyrillic(char32_t code) {
  if (code >= 0x0391 && code <= 0x03A9) return code + 0x20;  // Greek capitals
  if (code >= 0x0410 && code <= 0x042F) return code + 0x20;  // Cyrillic capitals
  if (code >= 0x0400 && code <= 0x040F) return code + 0x50;  // Ѐ..Џ
  return code;
}

}  // namespace

std::string FoldForSearch(std::string_view text) {
  std::string out;
  AppendFolded(text, out);
  return out;
}

void AppendFolded(std::string_view text, std::string& out) {
  // No character folds to more bytes than it has (a stray byte to the three of
  // U+FFFD), and a run of spaces to one.
  const std::size_t outStart = out.size();
  out.resize(outStart + 3 * text.size());
  char* const first = out.data() + outStart;
  char* end = first;
  bool pendingSpace = false;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80 && byte != ' ' && byte != '\t') {  // the common case
      if (pendingSpace) *end++ = ' ';
      pendingSpace = false;
      *end++ = static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte);
      ++i;
      continue;
    }
    const char32_t code = byte < 0x80 ? text[i++] : NextCodePoint(text, i);
    if (code == ' ' || code == '\t') {
      pendingSpace = end > first;
      continue;
    }
    if (pendingSpace) *end++ = ' ';
    pendingSpace = false;
    std::string_view base;
    if (code >= kLatinFirst && code < kLatinFirst + std::size(kLatinBase)) {
      base = kLatinBase[code - kLatinFirst];
    } else if (code >= kLatinAdditionalFirst && code < kLatinAdditionalFirst + kLatinAdditionalBase.size() &&
               kLatinAdditionalBase[code - kLatinAdditionalFirst] != '?') {
      base = kLatinAdditionalBase.substr(code - kLatinAdditionalFirst, 1);
    } else {
      for (const Extra& extra : kExtraBase)
        if (extra.code == code) base = extra.base;
    }
    end = base.empty() ? WriteUtf8(LowerGreekOrCyrillic(code), end) : std::copy(base.begin(), base.end(), end);
  }
  out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace tavrin::place
