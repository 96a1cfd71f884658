// Arbitrary bytes through the object-image reader, the memo-record layer and the text form.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "heap_peak.h"
#include "memo/memo_record.h"
#include "memo/object_text.h"

using namespace quillpad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // Reading a memo file takes at most a few times its size (the records' texts and pictures)
  // and a fixed amount per record, whatever values the file holds.
  MemoFileContents contents;
  const std::size_t peak = fuzz::HeapPeak([&] { contents = ReadMemoFile(bytes); });
  if (peak > 4 * size + 64 * 1024 + 2048 * contents.Records.size()) std::abort();

  // Whatever a damaged file holds, a record read from it is written and read back unchanged.
  for (MemoRecord record : contents.Records) {
    if (record.ParentFont) record.Font = DefaultMemoFont();  // not stored for such memos
    const MemoFileContents again = ReadMemoFile(WriteMemoRecord(record));
    MemoRecord back = again.Records.empty() ? MemoRecord{} : again.Records[0];
    if (back.ParentFont) back.Font = DefaultMemoFont();
    if (again.Partial || again.Records.size() != 1 || !(back == record)) std::abort();
  }

  // The streaming record reader and the one over the in-memory tree agree.
  std::size_t pos = 0;
  ObjectNode object;
  if (ReadObjectImage(bytes, pos, object)) {
    if (contents.Records.empty() || !(MemoRecordFromObject(object) == contents.Records[0]))
      std::abort();
  }

  FontSpec font;
  ReadMemoFontFile(bytes, font);
  ReadMemoColorFile(bytes);

  // Dumping streams: it holds neither values nor the text, whatever the image holds.
  const std::size_t dumpPeak = fuzz::HeapPeak([&] {
    WriteObjectImagesAsText(bytes, [](std::string_view) {});
  });
  if (dumpPeak > 5 * size + 256 * 1024) std::abort();

  std::string text;
  ObjectImagesToText(bytes, text);
  std::string loaded;
  std::string error;
  TextToObjectImages(text, loaded, error);
  TextToObjectImages(bytes, loaded, error);
  return 0;
}
