// Arbitrary bytes packed and unpacked again, and unpacked as if they were a packed stream.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "archiver/lh5_encoder.h"

using namespace quillpad::archiver;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string out;
  if (!DecodeLh5(EncodeLh5(bytes), bytes.size(), out) || out != bytes) std::abort();
  if (size < 2) return 0;
  // The wanted size comes from the input, bounded so memory stays in proportion to it.
  const std::size_t wanted = (data[0] | data[1] << 8) % (64 * size + 1);
  if (DecodeLh5(bytes.substr(2), wanted, out) && out.size() != wanted) std::abort();
  if (out.size() > wanted) std::abort();
  return 0;
}
