// Constants of the -lh5- stream shared by its encoder and decoder.
#pragma once

#include <cstddef>

namespace quillpad::archiver::lh5 {

constexpr int kWindowBits = 13;
constexpr int kWindow = 1 << kWindowBits;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 256;
constexpr int kNC = 256 + kMaxMatch - kMinMatch + 1;  // literals, then match lengths
constexpr int kNT = 19;                               // the tree the C lengths go through
constexpr int kNP = kWindowBits + 1;                  // position bit counts
constexpr int kTBit = 5;
constexpr int kCBit = 9;
constexpr int kPBit = 4;
constexpr int kTZeroRunAt = 3;  // after this many T lengths comes a 2-bit count of zeros
constexpr std::size_t kMaxBlockSymbols = 65535;

}  // namespace quillpad::archiver::lh5
