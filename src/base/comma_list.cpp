#include "base/comma_list.h"

namespace quillpad {

namespace {
constexpr bool IsSeparatorByte(unsigned char c) {
  return c >= 1 && c <= 32;
}
constexpr char kQuote = '"';
}  // namespace

std::vector<std::string> SplitCommaList(std::string_view line) {
  // Everything from the first NUL on is not part of the text.
  if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos) {
    line = line.substr(0, nul);
  }
  std::vector<std::string> fields;
  std::size_t i = 0;
  const std::size_t n = line.size();
  auto skipBlanks = [&] {
    while (i < n && IsSeparatorByte(static_cast<unsigned char>(line[i]))) ++i;
  };

  skipBlanks();
  while (i < n) {
    std::string field;
    if (line[i] == kQuote) {
      ++i;
      while (i < n) {
        if (line[i] == kQuote) {
          if (i + 1 < n && line[i + 1] == kQuote) {
            field += kQuote;
            i += 2;
            continue;
          }
          ++i;  // the closing quote
          break;
        }
        field += line[i++];
      }
    } else {
      const std::size_t start = i;
      while (i < n && !IsSeparatorByte(static_cast<unsigned char>(line[i])) && line[i] != ',') ++i;
      field.assign(line.substr(start, i - start));
    }
    fields.push_back(std::move(field));
    skipBlanks();
    if (i < n && line[i] == ',') {
      ++i;
      skipBlanks();
    }
  }
  return fields;
}

std::string JoinCommaList(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (k) line += ',';
    const std::string& field = fields[k];
    bool quote = false;
    for (const char c : field) {
      const auto b = static_cast<unsigned char>(c);
      if (b <= 32 || c == ',' || c == kQuote) {
        quote = true;
        break;
      }
    }
    if (!quote) {
      line += field;
      continue;
    }
    line += kQuote;
    for (const char c : field) {
      if (c == kQuote) line += kQuote;
      line += c;
    }
    line += kQuote;
  }
  return line;
}

}  // namespace quillpad
