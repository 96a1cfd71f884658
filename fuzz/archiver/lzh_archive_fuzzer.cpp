// Arbitrary bytes as an archive: read, checked, written again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "archiver/lzh_archive.h"

using namespace quillpad::archiver;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto members = ParseLzhArchive(bytes);
  if (!members) return 0;
  std::size_t total = 1;
  for (const LzhMember& m : *members) {
    total += m.Raw.size();
    if (m.PackedOffset > m.Raw.size() || m.Name.empty()) std::abort();
    // Checking costs time in proportion to the unpacked size: only for small promises.
    if (m.OriginalSize <= 64 * size) VerifyLzhMember(m);
  }
  if (total > size) std::abort();
  const auto again = ParseLzhArchive(WriteLzhArchive(*members));
  if (!again || again->size() != members->size()) std::abort();
  for (std::size_t i = 0; i < members->size(); ++i) {
    if ((*again)[i].Raw != (*members)[i].Raw || (*again)[i].Name != (*members)[i].Name)
      std::abort();
  }
  return 0;
}
