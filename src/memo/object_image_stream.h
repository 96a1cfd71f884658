// The streaming object-image reader as a template over its handler: the memo file reader, a
// final handler, has its property calls inlined into the reading loop (a memo file holds tens of
// thousands of properties); every other reader goes through ObjectImageHandler. Only the object
// image's own sources and such hot readers include this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "memo/object_image.h"

namespace quillpad::object_image_stream {

inline constexpr std::string_view kSignature = "TPF0";

// Bounds-checked cursor over untrusted bytes; every length is checked against what is left
// before anything is allocated from it.
class Reader {
 public:
  Reader(std::string_view bytes, std::size_t pos) : bytes_(bytes), pos_(pos) {}
  std::size_t Pos() const { return pos_; }
  std::size_t Left() const { return bytes_.size() - pos_; }
  std::string_view Span(std::size_t from, std::size_t to) const {
    return bytes_.substr(from, to - from);
  }

  bool Byte(std::uint8_t& value) {
    if (Left() < 1) return false;
    value = static_cast<std::uint8_t>(bytes_[pos_++]);
    return true;
  }
  bool Peek(std::uint8_t& value) const {
    if (Left() < 1) return false;
    value = static_cast<std::uint8_t>(bytes_[pos_]);
    return true;
  }
  bool Raw(std::size_t count, std::string_view& out) {
    if (Left() < count) return false;
    out = bytes_.substr(pos_, count);
    pos_ += count;
    return true;
  }
  bool Unsigned(std::size_t size, std::uint64_t& value) {
    std::string_view raw;
    if (!Raw(size, raw)) return false;
    value = 0;
    for (std::size_t i = size; i-- > 0;) value = (value << 8) | static_cast<std::uint8_t>(raw[i]);
    return true;
  }
  bool Signed(std::size_t size, std::int64_t& value) {
    std::uint64_t u;
    if (!Unsigned(size, u)) return false;
    const unsigned shift = static_cast<unsigned>(64 - 8 * size);
    value = static_cast<std::int64_t>(u << shift) >> shift;
    return true;
  }
  bool ShortView(std::string_view& out) {
    std::uint8_t length;
    return Byte(length) && Raw(length, out);
  }
  bool ShortString(std::string& out) {
    std::string_view raw;
    if (!ShortView(raw)) return false;
    out.assign(raw);
    return true;
  }
  bool LongView(std::string_view& out) {
    std::uint64_t length;
    return Unsigned(4, length) && length <= Left() && Raw(static_cast<std::size_t>(length), out);
  }

  // The values of nearly every property (booleans, small integers, short strings and
  // identifiers) with one length check. Anything else, or bytes that end early, is left
  // untouched for ReadValueRef, which then gives the full answer.
  bool SimpleValue(ValueRef& ref) {
    if (Left() < 5) return false;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
    const ValueTag tag = static_cast<ValueTag>(p[0]);
    std::size_t size;
    // Tests in place of a switch: each has its own branch history, which a memo file's fixed
    // order of properties makes easy to guess, where one indirect jump is guessed wrong often.
    if (tag == ValueTag::Ident || tag == ValueTag::String) {
      size = 2 + p[1];
      if (size > Left()) return false;
      ref.Bytes = std::string_view(reinterpret_cast<const char*>(p) + 2, p[1]);
    } else if (tag == ValueTag::False || tag == ValueTag::True) {
      size = 1;
    } else if (tag == ValueTag::Int8) {
      ref.Int = static_cast<std::int8_t>(p[1]);
      size = 2;
    } else if (tag == ValueTag::Int16) {
      ref.Int = static_cast<std::int16_t>(p[1] | (p[2] << 8));
      size = 3;
    } else if (tag == ValueTag::Int32) {
      ref.Int =
          static_cast<std::int32_t>(std::uint32_t{p[1]} | (std::uint32_t{p[2]} << 8) |
                                    (std::uint32_t{p[3]} << 16) | (std::uint32_t{p[4]} << 24));
      size = 5;
    } else if (tag == ValueTag::Null || tag == ValueTag::Nil) {
      size = 1;
    } else {
      return false;
    }
    ref.Tag = tag;
    pos_ += size;
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_;
};

// Any value, simple ones in place; complex ones checked and handed over still encoded, in Bytes.
bool ReadValueRef(Reader& in, ValueRef& ref, int depth);

template <typename Handler>
bool ReadObject(Reader& in, Handler& handler, int depth) {
  if (depth > kMaxObjectDepth) return false;
  ObjectHeader header;
  std::uint8_t first;
  if (!in.Peek(first)) return false;
  if ((first & 0xF0) == 0xF0) {
    in.Byte(first);
    header.Prefix = first;
    if (first & ObjectNode::kPrefixPosition) {
      ValueRef position;
      if (!ReadValueRef(in, position, depth + 1) || !position.IsInteger()) return false;
      header.Position = position.Int;
    }
  }
  if (!in.ShortView(header.ClassName) || !in.ShortView(header.Name)) return false;
  handler.BeginObject(header);
  // A copy of the cursor that nothing else can reach, so that its position stays in a register
  // through the handler's calls.
  Reader cursor = in;
  for (;;) {
    std::string_view name;
    if (!cursor.ShortView(name)) return false;
    if (name.empty()) break;
    ValueRef value;
    if (!cursor.SimpleValue(value)) {
      in = cursor;
      if (!ReadValueRef(in, value, depth)) return false;
      cursor = in;
    }
    handler.Property(name, value);
  }
  in = cursor;
  for (;;) {
    std::uint8_t next;
    if (!in.Peek(next)) return false;
    if (next == 0) {
      in.Byte(next);
      handler.EndObject();
      return true;
    }
    if (!ReadObject(in, handler, depth + 1)) return false;
  }
}

// ReadObjectImage (the handler form) for a handler of a known type.
template <typename Handler>
bool ReadObjectImageInto(std::string_view bytes, std::size_t& pos, Handler& handler) {
  if (pos > bytes.size()) return false;
  Reader in(bytes, pos);
  std::string_view signature;
  if (!in.Raw(kSignature.size(), signature) || signature != kSignature) return false;
  if (!ReadObject(in, handler, 0)) return false;
  pos = in.Pos();
  return true;
}

}  // namespace quillpad::object_image_stream
