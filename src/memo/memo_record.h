// One desktop memo as it is kept in the memo files, the memo files themselves (records back to
// back), the default-style files and the plain-text exports of memos. Pure logic: bytes and
// values in, bytes and values out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/bmp_image.h"
#include "base/color.h"
#include "base/date_time.h"
#include "memo/object_image.h"

namespace quillpad {

enum class MemoKind : int {
  mkNormal = 0,
  mkImage = 1,
  mkMarquee = 2,
  mkWallpaper = 3,
  mkGradation = 4
};

// The window border: the class default (never in a saved memo), none, or the thin sizing frame.
enum class MemoBorder { Dialog, None, SizeToolWin };

// Font.Style flags.
enum FontStyleFlag : unsigned { kFsBold = 1, kFsItalic = 2, kFsUnderline = 4, kFsStrikeOut = 8 };

struct FontSpec {
  int Charset = kShiftJisCharset;
  ColorValue Color = kClWhite;
  int Height = -12;  // negative: character height in pixels
  std::string Name;  // CP932
  unsigned Style = 0;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The font a memo and the editor use when MemoFont.dat is missing.
FontSpec DefaultMemoFont();

struct MemoRecord {
  // Window.
  int Left = 0;
  int Top = 0;
  int ClientWidth = 115;
  int ClientHeight = 30;
  MemoBorder BorderStyle = MemoBorder::Dialog;
  std::string StampText;  // stored as the window's Caption
  ColorValue Color = kClWhite;
  bool ParentFont = false;  // true: no font of its own (image memos); Font is then not stored
  FontSpec Font = DefaultMemoFont();
  bool StayOnTop = false;              // FormStyle "fsStayOnTop"
  MemoKind Kind = MemoKind::mkNormal;  // the window's Tag
  bool HandCursor = false;             // Cursor "crHandPoint"
  bool Visible = false;

  // Text child (MemoLabel).
  std::string Text;  // CP932, lines separated by CR LF
  int LabelLeft = 4;
  int LabelTop = 4;
  int LabelWidth = 0;
  int LabelHeight = 0;
  bool PositionFixed = false;  // the label's Tag 1

  // Picture child (ClipImage).
  std::string Picture;      // a complete BMP file image; empty for text memos
  std::string PictureHint;  // colour depth text shown as the picture's tooltip

  friend bool operator==(const MemoRecord&, const MemoRecord&) = default;
};

// The tooltip of a picture memo: its colour depth ("256色"); empty for 15 bits.
std::string_view ColorDepthText(PixelFormat format);

// Memo categories 0, 1, 2: their files in the work folder and their default menu captions.
constexpr int kMemoCategoryCount = 3;
std::string_view MemoCategoryFileName(int category);  // "MemoData.dat", "MemoData1.dat", ...
std::string_view MemoCategoryCaption(
    int category);  // "カテゴリ０", ...; both empty when out of range

// Files of the program folder.
inline constexpr std::string_view kMemoFontFileName = "MemoFont.dat";
inline constexpr std::string_view kMemoColorFileName = "MemoColor.dat";
inline constexpr std::string_view kStyleTemplateFileName = "StyleTemplate.dat";

// The stamp that means "time unknown".
inline constexpr std::string_view kUnknownStamp = "MemoForm";

// "MemoForm" for the first window, "MemoForm_1", "MemoForm_2", ... for the next ones.
std::string MemoObjectName(std::size_t index);

ObjectNode MemoRecordToObject(const MemoRecord& record, std::string_view objectName);
// Fields missing from the object keep the values a record has when nothing is stored for
// them; values of an unexpected type and unknown properties are ignored.
MemoRecord MemoRecordFromObject(const ObjectNode& object);

std::string WriteMemoRecord(const MemoRecord& record, std::string_view objectName = "MemoForm");

struct MemoFileContents {
  std::vector<MemoRecord> Records;
  // True when bytes after the last complete record could not be read (a damaged or cut tail).
  bool Partial = false;
};

// A memo file (also StyleTemplate.dat): every complete record from the start; reading stops at
// the first damaged one.
MemoFileContents ReadMemoFile(std::string_view bytes);
std::string WriteMemoFile(const std::vector<MemoRecord>& records);

// MemoFont.dat: a TFontDialog "FontDialog1" holding the default memo font. Reading fills the
// font values present in the file into `font` (the rest stay); false when the bytes are not an
// object image.
std::string WriteMemoFontFile(const FontSpec& font);
bool ReadMemoFontFile(std::string_view bytes, FontSpec& font);

// MemoColor.dat: a TColorDialog "ColorDialog1" holding the last chosen background colour.
std::string WriteMemoColorFile(ColorValue color);
std::optional<ColorValue> ReadMemoColorFile(std::string_view bytes);

// Font values as object-image properties ("Font.Charset" ... "Font.Style"), all five together.
void AddFontProperties(ObjectNode& object, const FontSpec& font);
// Applies whichever Font.* properties the object has.
void ReadFontProperties(const ObjectNode& object, FontSpec& font);

// The system date-time text: short date format, a blank, long time format.
std::string DateTimeText(std::string_view shortDateFormat, std::string_view longTimeFormat,
                         DateTime value);

// Text export lines; `now` is a DateTimeText.
std::string StampLine(std::string_view stampText);  // "[更新日時：...]", "[更新日時：不明]"
std::string SaveLine(std::string_view now);         // "[保存日時：...]"
std::string DeleteLine(std::string_view now);       // "[削除日時：...]"

// The log file after appending a deleted memo: `existingLog` is the file's bytes, or nullopt
// when there is no file yet.
std::string AppendLogEntry(const std::optional<std::string>& existingLog, const MemoRecord& memo,
                           std::string_view now);
// The text save of one memo, and of all memos of a list.
std::string MemoTextExport(const MemoRecord& memo, std::string_view now);
std::string AllMemosTextExport(const std::vector<MemoRecord>& memos, std::string_view now);

}  // namespace quillpad
