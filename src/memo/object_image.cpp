#include "memo/object_image.h"

#include <cmath>
#include <cstring>

#include "base/encoding.h"
#include "memo/object_image_stream.h"

namespace quillpad {

namespace {

using object_image_stream::kSignature;
using object_image_stream::Reader;
using object_image_stream::ReadValueRef;

bool ReadValue(Reader& in, ObjectValue& value, int depth);
bool SkipValue(Reader& in, int depth);

bool IsComplex(ValueTag tag) {
  return tag == ValueTag::List || tag == ValueTag::Set || tag == ValueTag::Collection ||
         tag == ValueTag::WString;
}

// Checks a property list without keeping anything of it.
bool SkipPropertyList(Reader& in, int depth) {
  for (;;) {
    std::string_view name;
    if (!in.ShortView(name)) return false;
    if (name.empty()) return true;
    if (!SkipValue(in, depth)) return false;
  }
}

// The payload of a list, set, collection or wide string after its tag, checked to the end but
// not built: nobody reads most of these values, and building them costs a hundred times their
// size.
bool SkipComplex(Reader& in, ValueTag tag, int depth) {
  std::uint8_t next;
  switch (tag) {
    case ValueTag::List:
      for (;;) {
        if (!in.Peek(next)) return false;
        if (next == 0) return in.Byte(next);
        if (!SkipValue(in, depth + 1)) return false;
      }
    case ValueTag::Set:
      for (;;) {
        std::string_view name;
        if (!in.ShortView(name)) return false;
        if (name.empty()) return true;
      }
    case ValueTag::WString: {
      std::uint64_t count;
      std::string_view raw;
      return in.Unsigned(4, count) && count <= in.Left() / 2 &&
             in.Raw(static_cast<std::size_t>(count * 2), raw);
    }
    case ValueTag::Collection:
      for (;;) {
        if (!in.Peek(next)) return false;
        if (next == 0) return in.Byte(next);
        if (next >= static_cast<std::uint8_t>(ValueTag::Int8) &&
            next <= static_cast<std::uint8_t>(ValueTag::Int32) && !SkipValue(in, depth + 1)) {
          return false;
        }
        std::uint8_t listTag;
        if (!in.Byte(listTag) || listTag != static_cast<std::uint8_t>(ValueTag::List)) return false;
        if (!SkipPropertyList(in, depth + 1)) return false;
      }
    default:
      return false;
  }
}

}  // namespace

namespace object_image_stream {

// Simple values in place; complex ones checked and handed over still encoded, in Bytes.
bool ReadValueRef(Reader& in, ValueRef& ref, int depth) {
  if (depth > kMaxObjectDepth) return false;
  std::uint8_t tag;
  if (!in.Byte(tag) || tag > static_cast<std::uint8_t>(ValueTag::Int64)) return false;
  ref = ValueRef{};
  ref.Tag = static_cast<ValueTag>(tag);
  std::string_view raw;
  switch (ref.Tag) {
    case ValueTag::List:
    case ValueTag::Set:
    case ValueTag::Collection:
    case ValueTag::WString: {
      const std::size_t start = in.Pos();
      if (!SkipComplex(in, ref.Tag, depth)) return false;
      ref.Bytes = in.Span(start, in.Pos());
      return true;
    }
    case ValueTag::Int8:
      return in.Signed(1, ref.Int);
    case ValueTag::Int16:
      return in.Signed(2, ref.Int);
    case ValueTag::Int32:
      return in.Signed(4, ref.Int);
    case ValueTag::Int64:
    case ValueTag::Currency:
      return in.Signed(8, ref.Int);
    case ValueTag::Extended:
      if (!in.Raw(10, raw)) return false;
      ref.Float = ExtendedToDouble(reinterpret_cast<const unsigned char*>(raw.data()));
      return true;
    case ValueTag::Single: {
      std::uint64_t bits;
      if (!in.Unsigned(4, bits)) return false;
      const std::uint32_t bits32 = static_cast<std::uint32_t>(bits);
      float f;
      std::memcpy(&f, &bits32, sizeof f);
      ref.Float = f;
      return true;
    }
    case ValueTag::Date: {
      std::uint64_t bits;
      if (!in.Unsigned(8, bits)) return false;
      std::memcpy(&ref.Float, &bits, sizeof bits);
      return true;
    }
    case ValueTag::String:
    case ValueTag::Ident:
      return in.ShortView(ref.Bytes);
    case ValueTag::Binary:
    case ValueTag::LString:
      return in.LongView(ref.Bytes);
    default:
      return true;  // Null, False, True, Nil
  }
}

}  // namespace object_image_stream

namespace {

bool SkipValue(Reader& in, int depth) {
  ValueRef unused;
  return ReadValueRef(in, unused, depth);
}

bool ReadPropertyList(Reader& in, std::vector<ObjectProperty>& properties, int depth) {
  for (;;) {
    std::string name;
    if (!in.ShortString(name)) return false;
    if (name.empty()) return true;
    ObjectProperty property;
    property.Name = std::move(name);
    if (!ReadValue(in, property.Value, depth)) return false;
    properties.push_back(std::move(property));
  }
}

bool ReadValue(Reader& in, ObjectValue& value, int depth) {
  if (depth > kMaxObjectDepth) return false;
  std::uint8_t tag;
  if (!in.Peek(tag) || tag > static_cast<std::uint8_t>(ValueTag::Int64)) return false;
  if (!IsComplex(static_cast<ValueTag>(tag))) {
    ValueRef ref;
    if (!ReadValueRef(in, ref, depth)) return false;
    value = ref.ToValue();
    return true;
  }
  in.Byte(tag);
  value.Tag = static_cast<ValueTag>(tag);
  std::string_view raw;
  switch (value.Tag) {
    case ValueTag::List:
      for (;;) {
        std::uint8_t next;
        if (!in.Peek(next)) return false;
        if (next == 0) {
          in.Byte(next);
          return true;
        }
        ObjectValue item;
        if (!ReadValue(in, item, depth + 1)) return false;
        value.List.push_back(std::move(item));
      }
    case ValueTag::Set:
      for (;;) {
        std::string name;
        if (!in.ShortString(name)) return false;
        if (name.empty()) return true;
        value.Set.push_back(std::move(name));
      }
    case ValueTag::WString: {
      std::uint64_t count;
      if (!in.Unsigned(4, count) || count > in.Left() / 2 ||
          !in.Raw(static_cast<std::size_t>(count * 2), raw)) {
        return false;
      }
      value.Wide.resize(static_cast<std::size_t>(count));
      for (std::size_t i = 0; i < value.Wide.size(); ++i) {
        value.Wide[i] = static_cast<char16_t>(static_cast<std::uint8_t>(raw[2 * i]) |
                                              (static_cast<std::uint8_t>(raw[2 * i + 1]) << 8));
      }
      return true;
    }
    case ValueTag::Collection:
      for (;;) {
        std::uint8_t next;
        if (!in.Peek(next)) return false;
        if (next == 0) {
          in.Byte(next);
          return true;
        }
        CollectionItem item;
        if (next >= static_cast<std::uint8_t>(ValueTag::Int8) &&
            next <= static_cast<std::uint8_t>(ValueTag::Int32)) {
          ObjectValue index;
          if (!ReadValue(in, index, depth + 1)) return false;
          item.Index = std::move(index);
        }
        std::uint8_t listTag;
        if (!in.Byte(listTag) || listTag != static_cast<std::uint8_t>(ValueTag::List)) return false;
        if (!ReadPropertyList(in, item.Properties, depth + 1)) return false;
        value.Items.push_back(std::move(item));
      }
    default:
      return false;
  }
}

// Builds the in-memory tree from the reader's events.
class NodeBuilder : public ObjectImageHandler {
 public:
  explicit NodeBuilder(ObjectNode& root) : root_(root) {}
  void BeginObject(const ObjectHeader& header) override {
    ObjectNode* node = stack_.empty() ? &root_ : &stack_.back()->Children.emplace_back();
    node->Prefix = header.Prefix;
    node->Position = header.Position;
    node->ClassName = header.ClassName;
    node->Name = header.Name;
    stack_.push_back(node);
  }
  void Property(std::string_view name, const ValueRef& value) override {
    stack_.back()->Properties.push_back(ObjectProperty{std::string(name), value.ToValue()});
  }
  void EndObject() override { stack_.pop_back(); }

 private:
  ObjectNode& root_;
  std::vector<ObjectNode*> stack_;
};

void PutUnsigned(std::string& out, std::uint64_t value, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i)
    out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Callers keep names and identifiers within 255 bytes; a longer one is cut rather than
// written with a wrong length byte.
void PutShortString(std::string& out, std::string_view text) {
  const std::size_t length = std::min<std::size_t>(text.size(), 255);
  out.push_back(static_cast<char>(length));
  out.append(text.substr(0, length));
}

void PutLongBytes(std::string& out, std::string_view bytes) {
  PutUnsigned(out, bytes.size(), 4);
  out.append(bytes);
}

void PutValue(std::string& out, const ObjectValue& value);

void PutPropertyList(std::string& out, const std::vector<ObjectProperty>& properties) {
  for (const ObjectProperty& property : properties) {
    if (property.Name.empty()) continue;  // an empty name would end the list early
    PutShortString(out, property.Name);
    PutValue(out, property.Value);
  }
  out.push_back('\0');
}

void PutValue(std::string& out, const ObjectValue& value) {
  ValueTag tag = value.Tag;
  // A string too long for its short form moves to the long form instead of being cut.
  if (tag == ValueTag::String && value.Bytes.size() > 255) tag = ValueTag::LString;
  out.push_back(static_cast<char>(tag));
  switch (tag) {
    case ValueTag::Null:
    case ValueTag::False:
    case ValueTag::True:
    case ValueTag::Nil:
      break;
    case ValueTag::List:
      for (const ObjectValue& item : value.List) PutValue(out, item);
      out.push_back('\0');
      break;
    case ValueTag::Int8:
      PutUnsigned(out, static_cast<std::uint64_t>(value.Int), 1);
      break;
    case ValueTag::Int16:
      PutUnsigned(out, static_cast<std::uint64_t>(value.Int), 2);
      break;
    case ValueTag::Int32:
      PutUnsigned(out, static_cast<std::uint64_t>(value.Int), 4);
      break;
    case ValueTag::Int64:
    case ValueTag::Currency:
      PutUnsigned(out, static_cast<std::uint64_t>(value.Int), 8);
      break;
    case ValueTag::Extended: {
      unsigned char bytes[10];
      DoubleToExtended(value.Float, bytes);
      out.append(reinterpret_cast<const char*>(bytes), 10);
      break;
    }
    case ValueTag::Single: {
      const float f = static_cast<float>(value.Float);
      std::uint32_t bits;
      std::memcpy(&bits, &f, sizeof bits);
      PutUnsigned(out, bits, 4);
      break;
    }
    case ValueTag::Date: {
      std::uint64_t bits;
      std::memcpy(&bits, &value.Float, sizeof bits);
      PutUnsigned(out, bits, 8);
      break;
    }
    case ValueTag::String:
    case ValueTag::Ident:
      PutShortString(out, value.Bytes);
      break;
    case ValueTag::Binary:
    case ValueTag::LString:
      PutLongBytes(out, value.Bytes);
      break;
    case ValueTag::Set:
      for (const std::string& name : value.Set) {
        if (!name.empty()) PutShortString(out, name);
      }
      out.push_back('\0');
      break;
    case ValueTag::WString:
      PutUnsigned(out, value.Wide.size(), 4);
      for (char16_t unit : value.Wide) PutUnsigned(out, unit, 2);
      break;
    case ValueTag::Collection:
      for (const CollectionItem& item : value.Items) {
        if (item.Index && item.Index->IsInteger())
          PutValue(out, ObjectValue::Integer(item.Index->Int));
        out.push_back(static_cast<char>(ValueTag::List));
        PutPropertyList(out, item.Properties);
      }
      out.push_back('\0');
      break;
  }
}

void PutObject(std::string& out, const ObjectNode& object) {
  if (object.Prefix) {
    const std::uint8_t prefix = static_cast<std::uint8_t>(*object.Prefix | 0xF0);
    out.push_back(static_cast<char>(prefix));
    if (prefix & ObjectNode::kPrefixPosition) PutValue(out, ObjectValue::Integer(object.Position));
  }
  PutShortString(out, object.ClassName);
  PutShortString(out, object.Name);
  PutPropertyList(out, object.Properties);
  for (const ObjectNode& child : object.Children) PutObject(out, child);
  out.push_back('\0');
}

}  // namespace

ObjectValue ObjectValue::Integer(std::int64_t value) {
  ObjectValue v;
  v.Int = value;
  if (value >= -128 && value <= 127) {
    v.Tag = ValueTag::Int8;
  } else if (value >= -32768 && value <= 32767) {
    v.Tag = ValueTag::Int16;
  } else if (value >= INT32_MIN && value <= INT32_MAX) {
    v.Tag = ValueTag::Int32;
  } else {
    v.Tag = ValueTag::Int64;
  }
  return v;
}

ObjectValue ObjectValue::Text(std::string bytes) {
  ObjectValue v;
  v.Tag = bytes.size() <= 255 ? ValueTag::String : ValueTag::LString;
  v.Bytes = std::move(bytes);
  return v;
}

ObjectValue ObjectValue::Identifier(std::string name) {
  ObjectValue v;
  v.Tag = ValueTag::Ident;
  v.Bytes = std::move(name);
  return v;
}

ObjectValue ObjectValue::Boolean(bool value) {
  ObjectValue v;
  v.Tag = value ? ValueTag::True : ValueTag::False;
  return v;
}

ObjectValue ObjectValue::BinaryData(std::string bytes) {
  ObjectValue v;
  v.Tag = ValueTag::Binary;
  v.Bytes = std::move(bytes);
  return v;
}

ObjectValue ObjectValue::SetOf(std::vector<std::string> names) {
  ObjectValue v;
  v.Tag = ValueTag::Set;
  v.Set = std::move(names);
  return v;
}

ObjectValue ObjectValue::Colour(ColorValue color) {
  if (auto name = ColorToName(color)) return Identifier(std::string(*name));
  return Integer(color);
}

bool ObjectValue::IsInteger() const {
  return ValueRef::Of(*this).IsInteger();
}
std::optional<std::int64_t> ObjectValue::AsInteger() const {
  return ValueRef::Of(*this).AsInteger();
}
std::optional<std::string> ObjectValue::AsText() const {
  return ValueRef::Of(*this).AsText();
}
std::optional<std::string> ObjectValue::AsIdentifier() const {
  if (auto name = ValueRef::Of(*this).AsIdentifier()) return std::string(*name);
  return std::nullopt;
}
std::optional<bool> ObjectValue::AsBoolean() const {
  return ValueRef::Of(*this).AsBoolean();
}
std::optional<ColorValue> ObjectValue::AsColour() const {
  return ValueRef::Of(*this).AsColour();
}

ValueRef ValueRef::Of(const ObjectValue& value) {
  ValueRef ref;
  ref.Tag = value.Tag;
  if (IsComplex(value.Tag)) {
    ref.Complex = &value;
  } else {
    ref.Int = value.Int;
    ref.Float = value.Float;
    ref.Bytes = value.Bytes;
  }
  return ref;
}

ObjectValue ValueRef::ToValue() const {
  if (Complex) return *Complex;
  ObjectValue value;
  if (IsComplex(Tag)) {
    // Checked when it was read; building it is the caller's choice.
    std::string encoded(1, static_cast<char>(Tag));
    encoded.append(Bytes);
    Reader in(encoded, 0);
    if (!ReadValue(in, value, 0)) value = ObjectValue{};
    return value;
  }
  value.Tag = Tag;
  value.Int = Int;
  value.Float = Float;
  value.Bytes.assign(Bytes);
  return value;
}

std::optional<std::string> ValueRef::AsText() const {
  if (Tag == ValueTag::String || Tag == ValueTag::LString) return std::string(Bytes);
  if (Tag != ValueTag::WString) return std::nullopt;
  if (Complex) return Utf16ToCp932(Complex->Wide);
  std::u16string wide((Bytes.size() - 4) / 2, u'\0');
  for (std::size_t i = 0; i < wide.size(); ++i) {
    wide[i] = static_cast<char16_t>(static_cast<std::uint8_t>(Bytes[4 + 2 * i]) |
                                    (static_cast<std::uint8_t>(Bytes[5 + 2 * i]) << 8));
  }
  return Utf16ToCp932(wide);
}

bool ValueRef::NextSetName(std::size_t& pos, std::string_view& name) const {
  if (Tag != ValueTag::Set) return false;
  if (Complex) {
    if (pos >= Complex->Set.size()) return false;
    name = Complex->Set[pos++];
    return true;
  }
  Reader in(Bytes, pos);
  if (!in.ShortView(name) || name.empty()) return false;
  pos = in.Pos();
  return true;
}

std::optional<ColorValue> ValueRef::AsColour() const {
  if (Tag == ValueTag::Ident) return NameToColor(Bytes);
  if (IsInteger() && Int >= INT32_MIN && Int <= static_cast<std::int64_t>(UINT32_MAX)) {
    return static_cast<ColorValue>(static_cast<std::uint32_t>(Int));
  }
  return std::nullopt;
}

const ObjectValue* ObjectNode::Find(std::string_view name) const {
  for (auto it = Properties.rbegin(); it != Properties.rend(); ++it) {
    if (it->Name == name) return &it->Value;
  }
  return nullptr;
}

void ObjectNode::Add(std::string name, ObjectValue value) {
  Properties.push_back(ObjectProperty{std::move(name), std::move(value)});
}

bool ReadObjectImage(std::string_view bytes, std::size_t& pos, ObjectImageHandler& handler) {
  return object_image_stream::ReadObjectImageInto(bytes, pos, handler);
}

bool ReadObjectImage(std::string_view bytes, std::size_t& pos, ObjectNode& out) {
  out = ObjectNode{};
  NodeBuilder builder(out);
  return ReadObjectImage(bytes, pos, builder);
}

void VisitComplex(const ValueRef& value, ComplexVisitor& visitor) {
  if (value.Complex) {
    for (const ObjectValue& item : value.Complex->List) visitor.ListItem(ValueRef::Of(item));
    for (const CollectionItem& item : value.Complex->Items) {
      const ValueRef index = item.Index ? ValueRef::Of(*item.Index) : ValueRef{};
      visitor.BeginItem(item.Index ? &index : nullptr);
      for (const ObjectProperty& p : item.Properties) visitor.ItemProperty(p.Name, ValueRef::Of(p.Value));
      visitor.EndItem();
    }
    return;
  }
  if (value.Tag != ValueTag::List && value.Tag != ValueTag::Collection) return;
  // The bytes were checked whole when the value was read; a stop here only ends the visit.
  Reader in(value.Bytes, 0);
  std::uint8_t next = 0;
  while (in.Peek(next) && next != 0) {
    if (value.Tag == ValueTag::List) {
      ValueRef item;
      if (!ReadValueRef(in, item, 1)) return;
      visitor.ListItem(item);
      continue;
    }
    ValueRef index;
    const bool indexed = next != static_cast<std::uint8_t>(ValueTag::List);
    if (indexed && !ReadValueRef(in, index, 1)) return;
    std::uint8_t listTag;
    if (!in.Byte(listTag)) return;
    visitor.BeginItem(indexed ? &index : nullptr);
    for (;;) {
      std::string_view name;
      if (!in.ShortView(name) || name.empty()) break;
      ValueRef property;
      if (!ReadValueRef(in, property, 1)) return;
      visitor.ItemProperty(name, property);
    }
    visitor.EndItem();
  }
}

void ReplayObject(const ObjectNode& object, ObjectImageHandler& handler) {
  ObjectHeader header;
  header.Prefix = object.Prefix;
  header.Position = object.Position;
  header.ClassName = object.ClassName;
  header.Name = object.Name;
  handler.BeginObject(header);
  for (const ObjectProperty& property : object.Properties)
    handler.Property(property.Name, ValueRef::Of(property.Value));
  for (const ObjectNode& child : object.Children) ReplayObject(child, handler);
  handler.EndObject();
}

std::optional<ObjectNode> ParseObjectImage(std::string_view bytes) {
  std::size_t pos = 0;
  ObjectNode object;
  if (!ReadObjectImage(bytes, pos, object) || pos != bytes.size()) return std::nullopt;
  return object;
}

void AppendObjectImage(std::string& out, const ObjectNode& object) {
  out.append(kSignature);
  PutObject(out, object);
}

std::string WriteObjectImage(const ObjectNode& object) {
  std::string out;
  AppendObjectImage(out, object);
  return out;
}

void ObjectImageWriter::Name(std::string_view name) {
  PutShortString(out_, name);
}

void ObjectImageWriter::BeginObject(std::string_view className, std::string_view name) {
  if (depth_++ == 0) out_.append(kSignature);
  PutShortString(out_, className);
  PutShortString(out_, name);
}

void ObjectImageWriter::Integer(std::string_view name, std::int64_t value) {
  Name(name);
  PutValue(out_, ObjectValue::Integer(value));
}

void ObjectImageWriter::Text(std::string_view name, std::string_view bytes) {
  Name(name);
  if (bytes.size() <= 255) {
    out_.push_back(static_cast<char>(ValueTag::String));
    PutShortString(out_, bytes);
  } else {
    out_.push_back(static_cast<char>(ValueTag::LString));
    PutLongBytes(out_, bytes);
  }
}

void ObjectImageWriter::Identifier(std::string_view name, std::string_view identifier) {
  Name(name);
  out_.push_back(static_cast<char>(ValueTag::Ident));
  PutShortString(out_, identifier);
}

void ObjectImageWriter::Boolean(std::string_view name, bool value) {
  Name(name);
  out_.push_back(static_cast<char>(value ? ValueTag::True : ValueTag::False));
}

void ObjectImageWriter::Colour(std::string_view name, ColorValue color) {
  if (auto colorName = ColorToName(color)) {
    Identifier(name, *colorName);
  } else {
    Integer(name, color);
  }
}

void ObjectImageWriter::Binary(std::string_view name, std::string_view prefix,
                               std::string_view bytes) {
  Name(name);
  out_.push_back(static_cast<char>(ValueTag::Binary));
  PutUnsigned(out_, prefix.size() + bytes.size(), 4);
  out_.append(prefix);
  out_.append(bytes);
}

void ObjectImageWriter::Set(std::string_view name, const std::vector<std::string_view>& names) {
  Name(name);
  out_.push_back(static_cast<char>(ValueTag::Set));
  for (std::string_view item : names) {
    if (!item.empty()) PutShortString(out_, item);
  }
  out_.push_back('\0');
}

void ObjectImageWriter::Value(std::string_view name, const ObjectValue& value) {
  Name(name);
  PutValue(out_, value);
}

void ObjectImageWriter::EndProperties() {
  out_.push_back('\0');
}

void ObjectImageWriter::EndObject() {
  out_.push_back('\0');
  --depth_;
}

double ExtendedToDouble(const unsigned char bytes[10]) {
  std::uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | bytes[i];
  const int exponent = ((bytes[9] & 0x7F) << 8) | bytes[8];
  const bool negative = (bytes[9] & 0x80) != 0;
  double result;
  if (exponent == 0x7FFF) {
    result = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
  } else if (mantissa == 0) {
    result = 0.0;
  } else {
    result = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
  }
  return negative ? -result : result;
}

void DoubleToExtended(double value, unsigned char bytes[10]) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const bool negative = (bits >> 63) != 0;
  int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  std::uint64_t fraction = bits & ((1ULL << 52) - 1);
  std::uint64_t mantissa = 0;
  int stored = 0;
  if (exponent == 0x7FF) {
    stored = 0x7FFF;
    mantissa = (1ULL << 63) | (fraction << 11);
  } else if (exponent == 0 && fraction == 0) {
    stored = 0;
  } else if (exponent == 0) {
    // Subnormal double: normalise into the wider exponent range.
    int shift = 0;
    while ((fraction & (1ULL << 52)) == 0) {
      fraction <<= 1;
      ++shift;
    }
    stored = 1 - 1023 - shift + 16383;
    mantissa = fraction << 11;
  } else {
    stored = exponent - 1023 + 16383;
    mantissa = (1ULL << 63) | (fraction << 11);
  }
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>((mantissa >> (8 * i)) & 0xFF);
  bytes[8] = static_cast<unsigned char>(stored & 0xFF);
  bytes[9] = static_cast<unsigned char>(((stored >> 8) & 0x7F) | (negative ? 0x80 : 0));
}

}  // namespace quillpad
