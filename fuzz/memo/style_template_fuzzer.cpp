// A template file's records through what the template window makes of them: each description's
// row height stays a row the list can show, at any screen resolution.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "memo/memo_record.h"
#include "memo/templates/style_template.h"

using namespace quillpad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const MemoRecord& record : ReadMemoFile(bytes).Records) {
    for (const int ppi : {96, 120, 0, -1, 1 << 30}) {
      const int height = TemplateItemHeight(record.Text, ppi);
      if (height < 1 || height > 255) std::abort();
      MemoStyle style;
      style.Font = record.Font;
      style.Kind = record.Kind;
      if (TemplateDescription(style, ppi).empty()) std::abort();
    }
  }
  // The description alone, as the raw bytes stand.
  const int height = TemplateItemHeight(bytes, 96);
  if (height < 1 || height > 255) std::abort();
  return 0;
}
