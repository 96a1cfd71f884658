// The object image: the binary encoding in which memo windows, style files and templates are
// kept ("TPF0", class and object names, typed properties, child objects). This is the generic
// layer: a tree of objects with ordered, typed properties, and its reader and writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/color.h"

namespace quillpad {

// Value tags as stored in the file.
enum class ValueTag : std::uint8_t {
  Null = 0,
  List = 1,
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  Extended = 5,
  String = 6,
  Ident = 7,
  False = 8,
  True = 9,
  Binary = 10,
  Set = 11,
  LString = 12,
  Nil = 13,
  Collection = 14,
  Single = 15,
  Currency = 16,
  Date = 17,
  WString = 18,
  Int64 = 19,
};

struct ObjectProperty;
struct CollectionItem;

struct ObjectValue {
  ValueTag Tag = ValueTag::Null;
  std::int64_t Int = 0;               // Int8..Int32, Int64; Currency holds value * 10000
  double Float = 0;                   // Extended, Single, Date
  std::string Bytes;                  // String, LString, Ident, Binary (CP932 / raw bytes)
  std::u16string Wide;                // WString
  std::vector<std::string> Set;       // Set
  std::vector<ObjectValue> List;      // List
  std::vector<CollectionItem> Items;  // Collection

  // Writer rules: the narrowest integer tag, tag 6 or 12 by length, and so on.
  static ObjectValue Integer(std::int64_t value);
  static ObjectValue Text(std::string bytes);
  static ObjectValue Identifier(std::string name);
  static ObjectValue Boolean(bool value);
  static ObjectValue BinaryData(std::string bytes);
  static ObjectValue SetOf(std::vector<std::string> names);
  // A colour's name as an identifier when it has one, else the integer value.
  static ObjectValue Colour(ColorValue color);

  bool IsInteger() const;
  // Whatever was stored, read as the type a field expects; nullopt when the tag does not fit.
  std::optional<std::int64_t> AsInteger() const;
  std::optional<std::string> AsText() const;  // tags 6, 12, 18 (wide text converted to CP932)
  std::optional<std::string> AsIdentifier() const;
  std::optional<bool> AsBoolean() const;
  std::optional<ColorValue> AsColour() const;  // a colour name or an integer
};

struct ObjectProperty {
  std::string Name;  // dotted path, "Font.Name"
  ObjectValue Value;
};

struct CollectionItem {
  std::optional<ObjectValue> Index;  // an integer value before the item's properties, if any
  std::vector<ObjectProperty> Properties;
};

struct ObjectNode {
  // Prefix byte 0xF0..0xFF before a child (flag 1 inherited, 2 position follows, 4 inline).
  // The program writes none; the reader keeps what it met so that a dump shows it.
  static constexpr std::uint8_t kPrefixInherited = 1;
  static constexpr std::uint8_t kPrefixPosition = 2;
  static constexpr std::uint8_t kPrefixInline = 4;
  std::optional<std::uint8_t> Prefix;
  std::int64_t Position = 0;  // meaningful when Prefix has kPrefixPosition

  std::string ClassName;
  std::string Name;
  std::vector<ObjectProperty> Properties;
  std::vector<ObjectNode> Children;

  // The last property of that name (a later value overrides an earlier one), or nullptr.
  const ObjectValue* Find(std::string_view name) const;
  void Add(std::string name, ObjectValue value);
};

// Nesting deeper than this (children, lists, collections) is treated as damage.
constexpr int kMaxObjectDepth = 32;

// One property value as the streaming reader hands it over, without copying or building
// anything: simple values in place; lists, sets, collections and wide strings checked and left
// encoded in `Bytes` (their bytes after the tag). A value taken from a tree points at it.
struct ValueRef {
  ValueTag Tag = ValueTag::Null;
  std::int64_t Int = 0;
  double Float = 0;
  std::string_view Bytes;  // String, LString, Ident, Binary; the encoded complex values
  const ObjectValue* Complex = nullptr;

  static ValueRef Of(const ObjectValue& value);
  ObjectValue ToValue() const;

  // The small accessors are inline: a memo file load asks them tens of thousands of times.
  bool IsInteger() const {
    return Tag == ValueTag::Int8 || Tag == ValueTag::Int16 || Tag == ValueTag::Int32 ||
           Tag == ValueTag::Int64;
  }
  std::optional<std::int64_t> AsInteger() const {
    if (IsInteger()) return Int;
    return std::nullopt;
  }
  std::optional<std::string> AsText() const;  // tags 6, 12, 18
  std::optional<std::string_view> AsIdentifier() const {
    if (Tag == ValueTag::Ident) return Bytes;
    return std::nullopt;
  }
  std::optional<bool> AsBoolean() const {
    if (Tag == ValueTag::True) return true;
    if (Tag == ValueTag::False) return false;
    return std::nullopt;
  }
  std::optional<ColorValue> AsColour() const;
  // The names of a set one by one, from pos 0 on; false after the last (and for other tags).
  bool NextSetName(std::size_t& pos, std::string_view& name) const;
};

struct ObjectHeader {
  std::optional<std::uint8_t> Prefix;
  std::int64_t Position = 0;
  std::string_view ClassName;
  std::string_view Name;
};

// Receives an object image as it is read: BeginObject, its properties, its children (nested
// BeginObject ... EndObject), EndObject. After a failed read the events seen are to be dropped.
class ObjectImageHandler {
 public:
  virtual ~ObjectImageHandler() = default;
  virtual void BeginObject(const ObjectHeader& header) = 0;
  virtual void Property(std::string_view name, const ValueRef& value) = 0;
  virtual void EndObject() = 0;
};

// The parts of a list or collection value, one by one, without building them.
class ComplexVisitor {
 public:
  virtual ~ComplexVisitor() = default;
  virtual void ListItem(const ValueRef& item) = 0;
  virtual void BeginItem(const ValueRef* index) = 0;  // collection item; index when it has one
  virtual void ItemProperty(std::string_view name, const ValueRef& value) = 0;
  virtual void EndItem() = 0;
};
// Visits the list items or collection items of `value` (read or in memory); other tags visit
// nothing.
void VisitComplex(const ValueRef& value, ComplexVisitor& visitor);

// Streams one object image starting at `pos` into `handler`; same rules as below.
bool ReadObjectImage(std::string_view bytes, std::size_t& pos, ObjectImageHandler& handler);
// Sends an in-memory object through a handler, as if it had been read.
void ReplayObject(const ObjectNode& object, ObjectImageHandler& handler);

// Writes an object image straight into a byte string, in the order of the calls:
// BeginObject, properties, EndProperties, children, EndObject.
class ObjectImageWriter {
 public:
  explicit ObjectImageWriter(std::string& out) : out_(out) {}
  void BeginObject(std::string_view className, std::string_view name);  // signature first at top
  void Integer(std::string_view name, std::int64_t value);
  void Text(std::string_view name, std::string_view bytes);  // tag 6 or 12 by length
  void Identifier(std::string_view name, std::string_view identifier);
  void Boolean(std::string_view name, bool value);
  void Colour(std::string_view name, ColorValue color);
  void Binary(std::string_view name, std::string_view prefix,
              std::string_view bytes);  // prefix + bytes
  void Set(std::string_view name, const std::vector<std::string_view>& names);
  void Value(std::string_view name, const ObjectValue& value);
  void EndProperties();
  void EndObject();

 private:
  void Name(std::string_view name);
  std::string& out_;
  int depth_ = 0;
};

// Reads one object image starting at `pos` (signature included). On success `pos` is just past
// it; on failure `pos` is unchanged and `out` is unspecified. Never reads past `bytes`.
bool ReadObjectImage(std::string_view bytes, std::size_t& pos, ObjectNode& out);
// Exactly one object image filling all of `bytes`.
std::optional<ObjectNode> ParseObjectImage(std::string_view bytes);

void AppendObjectImage(std::string& out, const ObjectNode& object);
std::string WriteObjectImage(const ObjectNode& object);

// Ten-byte extended floats, converted through double (what the program can hold).
double ExtendedToDouble(const unsigned char bytes[10]);
void DoubleToExtended(double value, unsigned char bytes[10]);

}  // namespace quillpad
