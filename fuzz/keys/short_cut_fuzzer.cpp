// Arbitrary bytes as a shortcut text from a key list file: reading never fails, and whatever a
// text reads as writes back to a text that reads as the same value.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/short_cut.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const quillpad::ui::ShortCut value = quillpad::ui::TextToShortCut(text);
  if (value != 0 && quillpad::ui::TextToShortCut(quillpad::ui::ShortCutToText(value)) != value)
    std::abort();
  return 0;
}
