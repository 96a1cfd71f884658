// The -lh5- decoder reads data from outside the program: every count is checked before use and
// reading past the end of the stream fails instead of inventing bits.
#include <array>
#include <vector>

#include "archiver/huffman.h"
#include "archiver/lh5_encoder.h"
#include "archiver/lh5_format.h"

namespace quillpad::archiver {

using namespace lh5;

namespace {

class BitReader {
 public:
  explicit BitReader(std::string_view data) : data_(data) {}

  bool Get(int bits, unsigned& value) {
    value = 0;
    if (bits > static_cast<int>(data_.size() * 8 - pos_)) return false;
    for (int i = 0; i < bits; ++i, ++pos_) {
      const auto byte = static_cast<unsigned char>(data_[pos_ >> 3]);
      value = (value << 1) | ((byte >> (7 - (pos_ & 7))) & 1);
    }
    return true;
  }

 private:
  std::string_view data_;
  std::size_t pos_ = 0;
};

class Tree {
 public:
  void SetSingle(int symbol) {
    single_ = symbol;
    count_.fill(0);
  }

  // False when the lengths promise more codes than fit in kMaxCodeBits.
  bool SetLengths(const std::uint8_t* lengths, int n) {
    single_ = -1;
    count_.fill(0);
    for (int s = 0; s < n; ++s) ++count_[lengths[s]];
    count_[0] = 0;
    std::uint64_t kraft = 0;
    for (int len = 1; len <= kMaxCodeBits; ++len) {
      kraft += std::uint64_t{count_[len]} << (kMaxCodeBits - len);
    }
    if (kraft > (std::uint64_t{1} << kMaxCodeBits)) return false;
    symbols_.clear();
    for (int len = 1; len <= kMaxCodeBits; ++len) {
      for (int s = 0; s < n; ++s) {
        if (lengths[s] == len) symbols_.push_back(static_cast<std::uint16_t>(s));
      }
    }
    return true;
  }

  bool Decode(BitReader& in, int& symbol) const {
    if (single_ >= 0) {
      symbol = single_;
      return true;
    }
    unsigned code = 0, first = 0, index = 0;
    for (int len = 1; len <= kMaxCodeBits; ++len) {
      unsigned bit;
      if (!in.Get(1, bit)) return false;
      code |= bit;
      if (code - first < count_[len]) {
        symbol = symbols_[index + code - first];
        return true;
      }
      index += count_[len];
      first = (first + count_[len]) << 1;
      code <<= 1;
    }
    return false;
  }

 private:
  int single_ = -1;
  std::array<unsigned, kMaxCodeBits + 1> count_{};
  std::vector<std::uint16_t> symbols_;
};

bool ReadPtTree(BitReader& in, Tree& tree, int nmax, int nbit, int zeroRunAt) {
  unsigned n;
  if (!in.Get(nbit, n)) return false;
  if (n == 0) {
    unsigned symbol;
    if (!in.Get(nbit, symbol) || symbol >= static_cast<unsigned>(nmax)) return false;
    tree.SetSingle(static_cast<int>(symbol));
    return true;
  }
  if (n > static_cast<unsigned>(nmax)) return false;
  std::array<std::uint8_t, kNT> lengths{};
  unsigned i = 0;
  while (i < n) {
    unsigned k;
    if (!in.Get(3, k)) return false;
    if (k == 7) {
      unsigned bit = 1;
      while (true) {
        if (!in.Get(1, bit)) return false;
        if (bit == 0) break;
        if (++k > kMaxCodeBits) return false;
      }
    }
    lengths[i++] = static_cast<std::uint8_t>(k);
    if (static_cast<int>(i) == zeroRunAt) {
      unsigned zeros;
      if (!in.Get(2, zeros)) return false;
      i += zeros;  // stays below kNT: kTZeroRunAt + 3
    }
  }
  return tree.SetLengths(lengths.data(), nmax);
}

bool ReadCTree(BitReader& in, const Tree& t, Tree& c) {
  unsigned n;
  if (!in.Get(kCBit, n)) return false;
  if (n == 0) {
    unsigned symbol;
    if (!in.Get(kCBit, symbol) || symbol >= static_cast<unsigned>(kNC)) return false;
    c.SetSingle(static_cast<int>(symbol));
    return true;
  }
  if (n > static_cast<unsigned>(kNC)) return false;
  std::array<std::uint8_t, kNC> lengths{};
  unsigned i = 0;
  while (i < n) {
    int symbol;
    if (!t.Decode(in, symbol)) return false;
    if (symbol > 2) {
      lengths[i++] = static_cast<std::uint8_t>(symbol - 2);
      continue;
    }
    unsigned run = 1;
    if (symbol == 1) {
      if (!in.Get(4, run)) return false;
      run += 3;
    } else if (symbol == 2) {
      if (!in.Get(kCBit, run)) return false;
      run += 20;
    }
    if (run > n - i) return false;
    i += run;  // lengths are already zero
  }
  return c.SetLengths(lengths.data(), kNC);
}

}  // namespace

bool DecodeLh5(std::string_view packed, std::uint64_t originalSize,
               const std::function<void(std::string_view)>& sink) {
  BitReader in(packed);
  std::vector<char> ring(kWindow);
  std::uint64_t done = 0;
  std::size_t filled = 0;  // bytes of ring not yet handed to sink
  auto put = [&](char byte) {
    ring[(done++) & (kWindow - 1)] = byte;
    if (++filled == static_cast<std::size_t>(kWindow)) {
      sink(std::string_view(ring.data(), ring.size()));
      filled = 0;
    }
  };
  Tree t, c, p;
  unsigned left = 0;
  while (done < originalSize) {
    if (left == 0) {
      if (!in.Get(16, left) || left == 0) return false;
      if (!ReadPtTree(in, t, kNT, kTBit, kTZeroRunAt) || !ReadCTree(in, t, c) ||
          !ReadPtTree(in, p, kNP, kPBit, -1)) {
        return false;
      }
    }
    --left;
    int symbol;
    if (!c.Decode(in, symbol)) return false;
    if (symbol < 256) {
      put(static_cast<char>(symbol));
      continue;
    }
    const unsigned length = static_cast<unsigned>(symbol) - 256 + kMinMatch;
    int bits;
    unsigned distance = 0;
    if (!p.Decode(in, bits)) return false;
    if (bits > 1) {
      if (!in.Get(bits - 1, distance)) return false;
      distance |= 1u << (bits - 1);
    } else {
      distance = static_cast<unsigned>(bits);
    }
    ++distance;
    if (distance > done || length > originalSize - done) return false;
    for (unsigned k = 0; k < length; ++k) put(ring[(done - distance) & (kWindow - 1)]);
  }
  if (filled != 0) sink(std::string_view(ring.data() + (done - filled) % kWindow, filled));
  return true;
}

bool DecodeLh5(std::string_view packed, std::size_t originalSize, std::string& out) {
  out.clear();
  out.reserve(originalSize);
  return DecodeLh5(packed, static_cast<std::uint64_t>(originalSize),
                   [&](std::string_view piece) { out.append(piece); });
}

}  // namespace quillpad::archiver
