// Canonical Huffman codes as the -lh5- stream sends them: lengths only, codes assigned in order of
// (length, symbol), no code longer than 16 bits.
#pragma once

#include <cstdint>
#include <vector>

namespace quillpad::archiver {

constexpr int kMaxCodeBits = 16;

struct HuffmanCode {
  // Zero for unused symbols; all zero when fewer than two symbols occur (see Single).
  std::vector<std::uint8_t> Lengths;
  std::vector<std::uint16_t> Codes;
  // The one symbol a tree of a single symbol stands for, sent without bits; -1 otherwise.
  int Single = -1;
};

// Lengths from frequencies, limited to kMaxCodeBits with the code kept complete.
HuffmanCode BuildHuffmanCode(const std::vector<std::uint32_t>& frequencies);

// Canonical codes for the given lengths (the order the decoder assumes).
std::vector<std::uint16_t> CanonicalCodes(const std::vector<std::uint8_t>& lengths);

}  // namespace quillpad::archiver
