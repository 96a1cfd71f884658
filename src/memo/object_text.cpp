#include "memo/object_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "base/encoding.h"
#include "base/text.h"

namespace quillpad {

namespace {

constexpr std::size_t kHexBytesPerLine = 32;

// ---- Writing ----

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// One piece of a string expression: quoted UTF-8 text, a #nnn code, or a line break after it.
struct Piece {
  enum Kind { Quoted, Code, Break } Type;
  std::string Text;
  unsigned Value = 0;
};

// Writes a string expression as its pieces come: quoted UTF-8 runs, #nnn codes, and a line break
// after a line end. Nothing is collected first, so a string of any size costs no more than itself.
class PieceWriter {
 public:
  PieceWriter(std::string& out, int indent) : out_(out), indent_(indent) {}
  void Quoted(std::string_view utf8) {
    if (!open_) out_.push_back('\'');
    open_ = any_ = true;
    for (char c : utf8) {
      if (c == '\'') out_.push_back('\'');
      out_.push_back(c);
    }
  }
  void Code(unsigned value, bool lineEnd) {
    Close();
    any_ = true;
    out_.push_back('#');
    out_ += std::to_string(value);
    if (lineEnd) out_ += " +\n" + std::string(static_cast<std::size_t>(indent_ + 2), ' ');
  }
  void Finish() {
    Close();
    if (!any_) out_ += "''";
  }

 private:
  void Close() {
    if (open_) out_.push_back('\'');
    open_ = false;
  }
  std::string& out_;
  int indent_;
  bool open_ = false;
  bool any_ = false;
};

bool IsControl(unsigned char c) {
  return c < 0x20 || c == 0x7F;
}

// Length of the character at s[i] for splitting into runs: a lead byte pairs only with a byte
// that can follow it.
std::size_t StepCp932(std::string_view s, std::size_t i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  if (IsLeadByte(c) && i + 1 < s.size()) {
    const unsigned char t = static_cast<unsigned char>(s[i + 1]);
    if (t >= 0x40 && t <= 0xFC && t != 0x7F) return 2;
  }
  return 1;
}

bool ConvertsBack(std::string_view cp932, std::string& utf8) {
  utf8 = Cp932ToUtf8(cp932);
  return Utf8ToCp932(utf8) == cp932;
}

void WriteCp932(PieceWriter& w, std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (IsControl(c)) {
      w.Code(c, c == '\n' && i + 1 < s.size());
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < s.size() && !IsControl(static_cast<unsigned char>(s[j]))) j += StepCp932(s, j);
    const std::string_view run = s.substr(i, j - i);
    std::string utf8;
    if (ConvertsBack(run, utf8)) {
      w.Quoted(utf8);
    } else {
      for (std::size_t k = 0; k < run.size();) {
        const std::size_t length = StepCp932(run, k);
        const std::string_view one = run.substr(k, length);
        if (ConvertsBack(one, utf8)) {
          w.Quoted(utf8);
        } else {
          for (char b : one) w.Code(static_cast<unsigned char>(b), false);
        }
        k += length;
      }
    }
    i = j;
  }
  w.Finish();
}

void WriteWide(PieceWriter& w, std::u16string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char16_t u = s[i];
    if (u < 0x20 || u == 0x7F) {
      w.Code(u, u == '\n' && i + 1 < s.size());
    } else if (u >= 0xD800 && u <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
               s[i + 1] <= 0xDFFF) {
      std::string utf8;
      AppendUtf8(utf8, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (s[i + 1] - 0xDC00));
      w.Quoted(utf8);
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      w.Code(u, false);
    } else {
      std::string utf8;
      AppendUtf8(utf8, u);
      w.Quoted(utf8);
    }
  }
  w.Finish();
}

std::string FloatText(double value, int maxDigits, bool single) {
  char buffer[64];
  for (int digits = 1; digits <= maxDigits; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    const double back = std::strtod(buffer, nullptr);
    if (single ? static_cast<float>(back) == static_cast<float>(value) : back == value) break;
  }
  std::string text = buffer;
  if (text.find_first_of(".eEn") == std::string::npos) text += ".0";
  return text;
}

std::string CurrencyText(std::int64_t value) {
  const bool negative = value < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%s%llu.%04llu", negative ? "-" : "",
                static_cast<unsigned long long>(magnitude / 10000),
                static_cast<unsigned long long>(magnitude % 10000));
  std::string text = buffer;
  while (text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
  return text + "c";
}

// Names, identifiers and set elements as bytes of [A-Za-z0-9_.]; any other byte as %XX, so
// that nothing a file holds can move the terminal's cursor or pose as another property.
std::string NameText(std::string_view name) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : name) {
    const unsigned char b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '_' ||
        b == '.') {
      out.push_back(c);
    } else {
      out.push_back('%');
      out.push_back(kHex[b >> 4]);
      out.push_back(kHex[b & 15]);
    }
  }
  return out;
}

// Writes what a reader or an in-memory object sends, as text; values of lists and collections are
// visited in place, so no value is built whatever its size. Flush() hands the text written so far
// to the sink.
class TextWriter : public ObjectImageHandler, private ComplexVisitor {
 public:
  explicit TextWriter(std::function<void(std::string_view)> sink) : sink_(std::move(sink)) {}

  void BeginObject(const ObjectHeader& header) override {
    Indent(depth_);
    const std::uint8_t prefix = header.Prefix.value_or(0);
    if (prefix & ObjectNode::kPrefixInherited) {
      out_ += "inherited ";
    } else if (prefix & ObjectNode::kPrefixInline) {
      out_ += "inline ";
    } else {
      out_ += "object ";
    }
    if (!header.Name.empty()) out_ += NameText(header.Name) + ": ";
    out_ += NameText(header.ClassName);
    if (prefix & ObjectNode::kPrefixPosition) out_ += " [" + std::to_string(header.Position) + "]";
    out_.push_back('\n');
    depth_ += 2;
  }
  void Property(std::string_view name, const ValueRef& value) override {
    WriteProperty(name, value, depth_);
  }
  void EndObject() override {
    depth_ -= 2;
    Indent(depth_);
    out_ += "end\n";
    if (depth_ == 0) Flush();
  }
  void Flush() {
    if (!out_.empty()) sink_(out_);
    out_.clear();
  }

 private:
  static constexpr std::size_t kFlushBytes = 64 * 1024;

  void Indent(int n) { out_.append(static_cast<std::size_t>(n), ' '); }
  void Written() {
    if (out_.size() >= kFlushBytes) Flush();
  }

  void WriteProperty(std::string_view name, const ValueRef& value, int indent) {
    Indent(indent);
    out_ += NameText(name) + " = ";
    WriteValue(value, indent);
    out_.push_back('\n');
    Written();
  }

  void WriteValue(const ValueRef& value, int indent) {
    switch (value.Tag) {
      case ValueTag::Null:
        out_ += "Null";
        break;
      case ValueTag::Nil:
        out_ += "nil";
        break;
      case ValueTag::False:
        out_ += "False";
        break;
      case ValueTag::True:
        out_ += "True";
        break;
      case ValueTag::Int8:
      case ValueTag::Int16:
      case ValueTag::Int32:
      case ValueTag::Int64:
        out_ += std::to_string(value.Int);
        break;
      case ValueTag::Extended:
        out_ += FloatText(value.Float, 17, false);
        break;
      case ValueTag::Single:
        out_ += FloatText(value.Float, 9, true) + "s";
        break;
      case ValueTag::Date:
        out_ += FloatText(value.Float, 17, false) + "d";
        break;
      case ValueTag::Currency:
        out_ += CurrencyText(value.Int);
        break;
      case ValueTag::String:
      case ValueTag::LString: {
        PieceWriter w(out_, indent);
        WriteCp932(w, value.Bytes);
        break;
      }
      case ValueTag::WString: {
        out_.push_back('W');
        PieceWriter w(out_, indent);
        WriteWide(w, value.Complex ? value.Complex->Wide : value.ToValue().Wide);
        break;
      }
      case ValueTag::Ident:
        out_ += NameText(value.Bytes);
        break;
      case ValueTag::Set: {
        out_.push_back('[');
        std::size_t pos = 0;
        std::string_view element;
        for (bool first = true;
             value.Complex ? pos < value.Complex->Set.size() : value.NextSetName(pos, element);
             first = false) {
          if (value.Complex) element = value.Complex->Set[pos++];
          if (!first) out_ += ", ";
          out_ += NameText(element);
        }
        out_.push_back(']');
        break;
      }
      case ValueTag::Binary: {
        static const char kHex[] = "0123456789ABCDEF";
        const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
        out_.push_back('{');
        for (std::size_t i = 0; i < value.Bytes.size(); ++i) {
          if (i % kHexBytesPerLine == 0) {
            Written();
            out_ += "\n" + inner;
          }
          const unsigned char b = static_cast<unsigned char>(value.Bytes[i]);
          out_.push_back(kHex[b >> 4]);
          out_.push_back(kHex[b & 15]);
        }
        out_.push_back('}');
        break;
      }
      case ValueTag::List:
      case ValueTag::Collection: {
        const bool list = value.Tag == ValueTag::List;
        const int outer = indent_;
        indent_ = indent + 2;
        out_.push_back(list ? '(' : '<');
        VisitComplex(value, *this);
        out_.push_back(list ? ')' : '>');
        indent_ = outer;
        break;
      }
    }
  }

  // Inside a list or collection, at indent_.
  void ListItem(const ValueRef& item) override {
    out_.push_back('\n');
    Indent(indent_);
    WriteValue(item, indent_);
    Written();
  }
  void BeginItem(const ValueRef* index) override {
    out_.push_back('\n');
    Indent(indent_);
    out_ += "item";
    if (index) out_ += " [" + std::to_string(index->Int) + "]";
    out_.push_back('\n');
  }
  void ItemProperty(std::string_view name, const ValueRef& value) override {
    const int outer = indent_;
    WriteProperty(name, value, indent_ + 2);
    indent_ = outer;
  }
  void EndItem() override {
    Indent(indent_);
    out_ += "end";
  }

  std::function<void(std::string_view)> sink_;
  std::string out_;
  int depth_ = 0;   // indent of the current object's properties
  int indent_ = 0;  // indent of the items of the list or collection being written
};

// ---- Reading ----

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  bool AtEnd() {
    SkipSpace();
    return pos_ >= text_.size();
  }

  bool Object(ObjectNode& object, int depth) {
    if (depth > kMaxObjectDepth) return Fail("objects nested too deeply");
    const std::string keyword = Word();
    if (keyword == "inherited") {
      object.Prefix = static_cast<std::uint8_t>(0xF0 | ObjectNode::kPrefixInherited);
    } else if (keyword == "inline") {
      object.Prefix = static_cast<std::uint8_t>(0xF0 | ObjectNode::kPrefixInline);
    } else if (keyword != "object") {
      return Fail("'object' expected");
    }
    std::string first = ShortName("name");
    if (first.empty()) return Fail("class name expected");
    if (Accept(':')) {
      object.Name = std::move(first);
      object.ClassName = ShortName("class name");
      if (object.ClassName.empty()) return Fail("class name expected");
    } else {
      object.ClassName = std::move(first);
    }
    // A length byte of 0xF0 or more reads back as the flags of an object prefix.
    if (object.ClassName.size() >= 0xF0) return Fail("class name of 240 bytes or more");
    if (Accept('[')) {
      if (!Integer(object.Position) || !Expect(']')) return false;
      object.Prefix =
          static_cast<std::uint8_t>(object.Prefix.value_or(0xF0) | ObjectNode::kPrefixPosition);
    }
    for (;;) {
      SkipSpace();
      const std::size_t mark = pos_;
      const std::string word = Word();
      if (word.empty()) return Fail("property, object or 'end' expected");
      if (word == "end") return true;
      if (word == "object" || word == "inherited" || word == "inline") {
        pos_ = mark;
        ObjectNode child;
        if (!Object(child, depth + 1)) return false;
        object.Children.push_back(std::move(child));
        continue;
      }
      if (word.size() > 255) return Fail("property name longer than 255 bytes");
      ObjectProperty property;
      property.Name = word;
      if (!Expect('=') || !Value(property.Value, depth)) return false;
      object.Properties.push_back(std::move(property));
    }
  }

  std::string Error() const {
    std::size_t line = 1;
    for (std::size_t i = 0; i < pos_ && i < text_.size(); ++i) line += text_[i] == '\n';
    return "line " + std::to_string(line) + ": " + error_;
  }

 private:
  bool Fail(const std::string& message) {
    if (error_.empty()) error_ = message;
    return false;
  }

  void SkipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                   text_[pos_] == '\r' || text_[pos_] == '\n')) {
      ++pos_;
    }
  }

  char Peek() {
    SkipSpace();
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }

  bool Accept(char c) {
    if (Peek() != c) return false;
    ++pos_;
    return true;
  }

  bool Expect(char c) { return Accept(c) || Fail(std::string("'") + c + "' expected"); }

  static bool IsWordChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.' || static_cast<unsigned char>(c) >= 0x80;
  }

  static int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  }

  // A name as the dump writes it (%XX for a byte outside the word characters).
  std::string Word() {
    SkipSpace();
    std::string word;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '%' && pos_ + 2 < text_.size() && HexDigit(text_[pos_ + 1]) >= 0 &&
          HexDigit(text_[pos_ + 2]) >= 0) {
        word.push_back(
            static_cast<char>(HexDigit(text_[pos_ + 1]) * 16 + HexDigit(text_[pos_ + 2])));
        pos_ += 3;
      } else if (IsWordChar(c)) {
        word.push_back(c);
        ++pos_;
      } else {
        break;
      }
    }
    return word;
  }

  // A name the file stores in a short string: longer ones would be cut.
  std::string ShortName(const char* what) {
    std::string name = Word();
    if (name.size() > 255) {
      Fail(std::string(what) + " longer than 255 bytes");
      return {};
    }
    return name;
  }

  bool Integer(std::int64_t& value) {
    SkipSpace();
    bool negative = false;
    if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+'))
      negative = text_[pos_++] == '-';
    std::uint64_t magnitude = 0;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
      const unsigned digit = static_cast<unsigned>(text_[pos_] - '0');
      if (magnitude > (UINT64_MAX - digit) / 10) return Fail("number too large");
      magnitude = magnitude * 10 + digit;
      ++pos_;
    }
    if (pos_ == start) return Fail("number expected");
    const std::uint64_t limit = negative ? (1ULL << 63) : (1ULL << 63) - 1;
    if (magnitude > limit) return Fail("number too large");
    value =
        negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
  }

  bool Number(ObjectValue& value) {
    SkipSpace();
    const std::size_t start = pos_;
    if (text_[pos_] == '-' || text_[pos_] == '+') ++pos_;
    bool isFloat = false;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c >= '0' && c <= '9') {
        ++pos_;
      } else if (c == '.' || c == 'e' || c == 'E') {
        isFloat = true;
        ++pos_;
        if (c != '.' && pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) ++pos_;
      } else {
        break;
      }
    }
    const std::string token(text_.substr(start, pos_ - start));
    char suffix = '\0';
    if (pos_ < text_.size() && (text_[pos_] == 's' || text_[pos_] == 'c' || text_[pos_] == 'd'))
      suffix = text_[pos_++];
    if (suffix == 'c') return Currency(token, value);
    if (!isFloat && suffix == '\0') {
      std::int64_t number;
      pos_ = start;
      if (!Integer(number)) return false;
      value = ObjectValue::Integer(number);
      return true;
    }
    char* end = nullptr;
    const double number = std::strtod(token.c_str(), &end);
    if (token.empty() || end != token.c_str() + token.size()) return Fail("bad number");
    if (!std::isfinite(number) || (suffix == 's' && !std::isfinite(static_cast<float>(number))))
      return Fail("number out of range");
    value.Tag = suffix == 's'   ? ValueTag::Single
                : suffix == 'd' ? ValueTag::Date
                                : ValueTag::Extended;
    value.Float = number;
    return true;
  }

  bool Currency(const std::string& token, ObjectValue& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '-' || token[i] == '+')) negative = token[i++] == '-';
    std::uint64_t whole = 0;
    std::uint64_t fraction = 0;
    int fractionDigits = 0;
    bool inFraction = false;
    bool any = false;
    for (; i < token.size(); ++i) {
      const char c = token[i];
      if (c == '.' && !inFraction) {
        inFraction = true;
      } else if (c >= '0' && c <= '9') {
        any = true;
        if (inFraction) {
          if (++fractionDigits > 4) return Fail("currency has more than four decimals");
          fraction = fraction * 10 + static_cast<unsigned>(c - '0');
        } else {
          if (whole > 922337203685476ULL) return Fail("number too large");
          whole = whole * 10 + static_cast<unsigned>(c - '0');
        }
      } else {
        return Fail("bad currency value");
      }
    }
    if (!any) return Fail("bad currency value");
    while (fractionDigits++ < 4) fraction *= 10;
    const std::uint64_t magnitude = whole * 10000 + fraction;
    if (magnitude > (1ULL << 63) - 1) return Fail("number too large");
    value.Tag = ValueTag::Currency;
    value.Int =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
  }

  // A string expression: quoted pieces and #nnn codes, joined directly or by '+'.
  bool StringPieces(std::vector<Piece>& pieces) {
    for (;;) {
      if (pos_ < text_.size() && text_[pos_] == '\'') {
        ++pos_;
        std::string utf8;
        for (;;) {
          if (pos_ >= text_.size()) return Fail("unterminated string");
          if (text_[pos_] == '\n' || text_[pos_] == '\r') return Fail("line break inside a string");
          const char c = text_[pos_++];
          if (c == '\'') {
            if (pos_ < text_.size() && text_[pos_] == '\'') {
              utf8.push_back('\'');
              ++pos_;
              continue;
            }
            break;
          }
          utf8.push_back(c);
        }
        pieces.push_back(Piece{Piece::Quoted, std::move(utf8)});
      } else if (pos_ < text_.size() && text_[pos_] == '#') {
        ++pos_;
        unsigned value = 0;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
          value = value * 10 + static_cast<unsigned>(text_[pos_++] - '0');
          if (value > 0xFFFF) return Fail("character code too large");
        }
        if (pos_ == start) return Fail("character code expected");
        pieces.push_back(Piece{Piece::Code, {}, value});
      } else {
        return Fail("string expected");
      }
      // Continue with an adjacent piece, or with one after '+'.
      std::size_t look = pos_;
      while (look < text_.size() && (text_[look] == ' ' || text_[look] == '\t')) ++look;
      if (look < text_.size() && text_[look] == '+') {
        pos_ = look + 1;
        SkipSpace();
        continue;
      }
      if (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) continue;
      return true;
    }
  }

  bool CpString(ObjectValue& value) {
    std::vector<Piece> pieces;
    if (!StringPieces(pieces)) return false;
    std::string bytes;
    for (const Piece& piece : pieces) {
      if (piece.Type == Piece::Quoted) {
        const std::string cp932 = Utf8ToCp932(piece.Text);
        if (Cp932ToUtf8(cp932) != piece.Text) return Fail("character with no CP932 form");
        bytes += cp932;
      } else {
        if (piece.Value > 255) return Fail("character code above 255 in a string");
        bytes.push_back(static_cast<char>(piece.Value));
      }
    }
    value = ObjectValue::Text(std::move(bytes));
    return true;
  }

  bool WideString(ObjectValue& value) {
    std::vector<Piece> pieces;
    if (!StringPieces(pieces)) return false;
    value.Tag = ValueTag::WString;
    for (const Piece& piece : pieces) {
      if (piece.Type == Piece::Code) {
        value.Wide.push_back(static_cast<char16_t>(piece.Value));
        continue;
      }
      const std::string& s = piece.Text;
      for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp = 0xFFFD;
        std::size_t length = 1;
        if (c < 0x80) {
          cp = c;
        } else if ((c & 0xE0) == 0xC0) {
          length = 2;
        } else if ((c & 0xF0) == 0xE0) {
          length = 3;
        } else if ((c & 0xF8) == 0xF0) {
          length = 4;
        }
        if (length > 1) {
          if (i + length > s.size()) {
            length = 1;
          } else {
            cp = c & (0x7F >> length);
            for (std::size_t k = 1; k < length; ++k)
              cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
          }
        }
        if (cp >= 0x10000 && cp <= 0x10FFFF) {
          value.Wide.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
          value.Wide.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
          value.Wide.push_back(cp > 0x10FFFF ? u'\uFFFD' : static_cast<char16_t>(cp));
        }
        i += length;
      }
    }
    return true;
  }

  bool Binary(ObjectValue& value) {
    value.Tag = ValueTag::Binary;
    int high = -1;
    for (;;) {
      SkipSpace();
      if (pos_ >= text_.size()) return Fail("'}' expected");
      const char c = text_[pos_++];
      if (c == '}') break;
      int digit;
      if (c >= '0' && c <= '9') {
        digit = c - '0';
      } else if (c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
      } else if (c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
      } else {
        return Fail("hexadecimal digit expected");
      }
      if (high < 0) {
        high = digit;
      } else {
        value.Bytes.push_back(static_cast<char>(high * 16 + digit));
        high = -1;
      }
    }
    return high < 0 || Fail("odd number of hexadecimal digits");
  }

  bool Value(ObjectValue& value, int depth) {
    if (depth > kMaxObjectDepth) return Fail("values nested too deeply");
    const char c = Peek();
    if (c == '\'' || c == '#') return CpString(value);
    if (c == 'W' && pos_ + 1 < text_.size() &&
        (text_[pos_ + 1] == '\'' || text_[pos_ + 1] == '#')) {
      ++pos_;
      return WideString(value);
    }
    if ((c >= '0' && c <= '9') || c == '-' || c == '+') return Number(value);
    if (c == '{') {
      ++pos_;
      return Binary(value);
    }
    if (c == '[') {
      ++pos_;
      value.Tag = ValueTag::Set;
      if (Accept(']')) return true;
      for (;;) {
        std::string name = ShortName("set element");
        if (name.empty()) return Fail("set element expected");
        value.Set.push_back(std::move(name));
        if (Accept(']')) return true;
        if (!Expect(',')) return false;
      }
    }
    if (c == '(') {
      ++pos_;
      value.Tag = ValueTag::List;
      while (!Accept(')')) {
        if (pos_ >= text_.size()) return Fail("')' expected");
        ObjectValue item;
        if (!Value(item, depth + 1)) return false;
        value.List.push_back(std::move(item));
      }
      return true;
    }
    if (c == '<') {
      ++pos_;
      value.Tag = ValueTag::Collection;
      while (!Accept('>')) {
        if (Word() != "item") return Fail("'item' expected");
        CollectionItem item;
        if (Accept('[')) {
          std::int64_t index;
          if (!Integer(index) || !Expect(']')) return false;
          // The reader takes an item index of at most four bytes.
          if (index < INT32_MIN || index > INT32_MAX) return Fail("item index outside 32 bits");
          item.Index = ObjectValue::Integer(index);
        }
        for (;;) {
          const std::string name = ShortName("property name");
          if (name.empty()) return Fail("property or 'end' expected");
          if (name == "end") break;
          ObjectProperty property;
          property.Name = name;
          if (!Expect('=') || !Value(property.Value, depth + 1)) return false;
          item.Properties.push_back(std::move(property));
        }
        value.Items.push_back(std::move(item));
      }
      return true;
    }
    const std::string word = ShortName("identifier");
    if (word.empty()) return Fail("value expected");
    if (word == "True" || word == "False") {
      value = ObjectValue::Boolean(word == "True");
    } else if (word == "Null") {
      value.Tag = ValueTag::Null;
    } else if (word == "nil") {
      value.Tag = ValueTag::Nil;
    } else {
      value = ObjectValue::Identifier(word);
    }
    return true;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::string error_;
};

}  // namespace

std::string ObjectToText(const ObjectNode& object) {
  std::string out;
  TextWriter writer([&out](std::string_view text) { out.append(text); });
  ReplayObject(object, writer);
  writer.Flush();
  return out;
}

bool ObjectImagesToText(std::string_view bytes, std::string& text) {
  text.clear();
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    // Only whole images reach the text.
    std::string one;
    TextWriter writer([&one](std::string_view part) { one.append(part); });
    if (!ReadObjectImage(bytes, pos, writer)) return false;
    writer.Flush();
    text += one;
  }
  return true;
}

bool WriteObjectImagesAsText(std::string_view bytes,
                             const std::function<void(std::string_view)>& sink) {
  TextWriter writer(sink);
  std::size_t pos = 0;
  bool ok = true;
  while (ok && pos < bytes.size()) ok = ReadObjectImage(bytes, pos, writer);
  writer.Flush();
  return ok;
}

bool TextToObjectImages(std::string_view text, std::string& bytes, std::string& error) {
  bytes.clear();
  error.clear();
  Parser parser(text);
  while (!parser.AtEnd()) {
    ObjectNode object;
    if (!parser.Object(object, 0)) {
      error = parser.Error();
      return false;
    }
    AppendObjectImage(bytes, object);
  }
  return true;
}

}  // namespace quillpad
