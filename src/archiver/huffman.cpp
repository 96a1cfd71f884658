#include "archiver/huffman.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <queue>

namespace quillpad::archiver {

namespace {

// Plain Huffman depths; may exceed kMaxCodeBits for skewed frequencies.
std::vector<int> Depths(const std::vector<std::uint32_t>& freq, const std::vector<int>& used) {
  struct Node {
    std::uint64_t Weight;
    int Index;
  };
  auto heavier = [](const Node& a, const Node& b) {
    return a.Weight != b.Weight ? a.Weight > b.Weight : a.Index > b.Index;
  };
  std::priority_queue<Node, std::vector<Node>, decltype(heavier)> queue(heavier);
  std::vector<int> parent(2 * used.size(), -1);
  for (std::size_t i = 0; i < used.size(); ++i) {
    queue.push({freq[used[i]], static_cast<int>(i)});
  }
  int next = static_cast<int>(used.size());
  while (queue.size() > 1) {
    const Node a = queue.top();
    queue.pop();
    const Node b = queue.top();
    queue.pop();
    parent[a.Index] = parent[b.Index] = next;
    queue.push({a.Weight + b.Weight, next++});
  }
  // Parents always have higher indices, so one pass from the root down gives every depth.
  std::vector<int> depth(next, 0);
  for (int i = next - 2; i >= 0; --i) depth[i] = depth[parent[i]] + 1;
  depth.resize(used.size());
  return depth;
}

}  // namespace

std::vector<std::uint16_t> CanonicalCodes(const std::vector<std::uint8_t>& lengths) {
  std::array<unsigned, kMaxCodeBits + 2> count{};
  for (const std::uint8_t len : lengths) ++count[len];
  count[0] = 0;
  std::array<unsigned, kMaxCodeBits + 2> start{};
  for (int len = 1; len <= kMaxCodeBits; ++len) start[len + 1] = (start[len] + count[len]) << 1;
  std::vector<std::uint16_t> codes(lengths.size(), 0);
  for (std::size_t s = 0; s < lengths.size(); ++s) {
    if (lengths[s] != 0) codes[s] = static_cast<std::uint16_t>(start[lengths[s]]++);
  }
  return codes;
}

HuffmanCode BuildHuffmanCode(const std::vector<std::uint32_t>& frequencies) {
  HuffmanCode code;
  code.Lengths.assign(frequencies.size(), 0);
  code.Codes.assign(frequencies.size(), 0);
  std::vector<int> used;
  for (std::size_t s = 0; s < frequencies.size(); ++s) {
    if (frequencies[s] != 0) used.push_back(static_cast<int>(s));
  }
  if (used.size() < 2) {
    code.Single = used.empty() ? 0 : used[0];
    return code;
  }
  const std::vector<int> depth = Depths(frequencies, used);
  // Count the lengths, folding deeper leaves into the longest allowed one...
  std::array<unsigned, kMaxCodeBits + 1> count{};
  for (const int d : depth) ++count[std::min(d, kMaxCodeBits)];
  // ...then, while the code is oversubscribed, drop one longest leaf and split a shorter leaf into
  // two one level down: each step lowers the Kraft sum by exactly one unit of the longest length.
  std::uint64_t kraft = 0;
  for (int len = 1; len <= kMaxCodeBits; ++len)
    kraft += std::uint64_t{count[len]} << (kMaxCodeBits - len);
  while (kraft > (std::uint64_t{1} << kMaxCodeBits)) {
    --count[kMaxCodeBits];
    for (int len = kMaxCodeBits - 1; len >= 1; --len) {
      if (count[len] != 0) {
        --count[len];
        count[len + 1] += 2;
        break;
      }
    }
    --kraft;
  }
  // The most frequent symbols take the shortest lengths.
  std::vector<int> order = used;
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return frequencies[a] > frequencies[b]; });
  std::size_t k = 0;
  for (int len = 1; len <= kMaxCodeBits; ++len) {
    for (unsigned n = 0; n < count[len]; ++n)
      code.Lengths[order[k++]] = static_cast<std::uint8_t>(len);
  }
  code.Codes = CanonicalCodes(code.Lengths);
  return code;
}

}  // namespace quillpad::archiver
