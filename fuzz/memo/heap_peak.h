// The heap a piece of work takes at its peak, counted through the sanitizer's allocation hooks,
// so that a reader whose memory grows faster than its input fails the fuzz run.
#pragma once

#include <sanitizer/allocator_interface.h>

#include <cstddef>

namespace quillpad::fuzz {

inline std::size_t liveBytes = 0;
inline std::size_t peakBytes = 0;

inline void OnMalloc(const volatile void*, std::size_t size) {
  liveBytes += size;
  if (liveBytes > peakBytes) peakBytes = liveBytes;
}

inline void OnFree(const volatile void* p) {
  liveBytes -= __sanitizer_get_allocated_size(const_cast<const void*>(p));
}

// Peak bytes above what was live before `work` ran.
template <typename Work>
std::size_t HeapPeak(Work work) {
  static const bool installed = __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree) != 0;
  (void)installed;
  const std::size_t before = liveBytes;
  peakBytes = liveBytes;
  work();
  return peakBytes - before;
}

}  // namespace quillpad::fuzz
