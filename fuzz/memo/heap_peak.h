// The heap a piece of work takes at its peak, counted through the sanitizer's allocation hooks,
// so that a reader whose memory grows faster than its input fails the fuzz run.
#pragma once

#include <sanitizer/allocator_interface.h>

#include <cstddef>

#include "base/encoding.h"

namespace quillpad::fuzz {

inline std::size_t liveBytes = 0;
inline std::size_t peakBytes = 0;

inline void OnMalloc(const volatile void*, std::size_t size) {
  liveBytes += size;
  if (liveBytes > peakBytes) peakBytes = liveBytes;
}

inline void OnFree(const volatile void* p) {
  // Blocks made before the hooks were installed were never counted.
  const std::size_t size = __sanitizer_get_allocated_size(const_cast<const void*>(p));
  liveBytes = size > liveBytes ? 0 : liveBytes - size;
}

// The C library loads its conversion tables on the first conversion of each kind and keeps
// them: load them before counting, so that the first input of a run is not charged with them.
inline bool LoadConversionTables() {
  const std::string sample = "\x82\xa0";
  Utf8ToCp932(Cp932ToUtf8(sample));
  Utf16ToCp932(Cp932ToUtf16(sample));
  return true;
}

// Peak bytes above what was live before `work` ran.
template <typename Work>
std::size_t HeapPeak(Work work) {
  static const bool installed =
      LoadConversionTables() && __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree) != 0;
  (void)installed;
  const std::size_t before = liveBytes;
  peakBytes = liveBytes;
  work();
  return peakBytes - before;
}

}  // namespace quillpad::fuzz
