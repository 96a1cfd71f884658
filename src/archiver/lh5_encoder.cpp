#include "archiver/lh5_encoder.h"

#include <algorithm>
#include <vector>

#include "archiver/huffman.h"
#include "archiver/lh5_format.h"

namespace quillpad::archiver {

using namespace lh5;

namespace {

constexpr int kHashBits = 15;
constexpr int kMaxChain = 64;   // bounds the search on long runs of one byte
constexpr int kLazyBelow = 64;  // a match this long is taken without looking one byte ahead
constexpr int kNoPosition = -(1 << 30);

class BitWriter {
 public:
  void Put(int bits, std::uint32_t value) {
    if (bits == 0) return;
    acc_ = (acc_ << bits) | (value & ((std::uint64_t{1} << bits) - 1));
    count_ += bits;
    while (count_ >= 8) {
      count_ -= 8;
      out_.push_back(static_cast<char>(acc_ >> count_));
    }
  }
  std::string Finish() {
    if (count_ > 0) Put(8 - count_, 0);
    return std::move(out_);
  }

 private:
  std::string out_;
  std::uint64_t acc_ = 0;
  int count_ = 0;
};

struct Symbol {
  std::uint16_t Code;      // literal byte, or 256 + length - kMinMatch
  std::uint16_t Position;  // distance - 1 for a match
};

int BitLength(unsigned value) {
  int bits = 0;
  while (value != 0) {
    ++bits;
    value >>= 1;
  }
  return bits;
}

// Walks the C lengths the way they are sent: lengths as T symbols len+2, runs of zeros as T
// symbols 0 (one zero), 1 (3..18 zeros), 2 (20 or more zeros).
template <typename Emit>
void ForEachCLength(const std::vector<std::uint8_t>& lengths, int n, Emit emit) {
  int i = 0;
  while (i < n) {
    const int k = lengths[i++];
    if (k != 0) {
      emit(k + 2, 0, 0);
      continue;
    }
    int run = 1;
    while (i < n && lengths[i] == 0) ++i, ++run;
    if (run <= 2) {
      for (int r = 0; r < run; ++r) emit(0, 0, 0);
    } else if (run <= 18) {
      emit(1, 4, run - 3);
    } else if (run == 19) {
      emit(0, 0, 0);
      emit(1, 4, 15);
    } else {
      emit(2, kCBit, run - 20);
    }
  }
}

int UsedCount(const std::vector<std::uint8_t>& lengths) {
  int n = static_cast<int>(lengths.size());
  while (n > 0 && lengths[n - 1] == 0) --n;
  return n;
}

void WritePtLengths(BitWriter& out, const HuffmanCode& tree, int nbit, int zeroRunAt) {
  if (tree.Single >= 0) {
    out.Put(nbit, 0);
    out.Put(nbit, tree.Single);
    return;
  }
  const int n = UsedCount(tree.Lengths);
  out.Put(nbit, n);
  int i = 0;
  while (i < n) {
    const int k = tree.Lengths[i++];
    if (k <= 6) {
      out.Put(3, k);
    } else {
      out.Put(k - 3, (1u << (k - 3)) - 2);  // 7 and above: 111 then one 1 per extra, then 0
    }
    if (i == zeroRunAt) {
      while (i < 6 && tree.Lengths[i] == 0) ++i;
      out.Put(2, i - zeroRunAt);
    }
  }
}

void WriteBlock(BitWriter& out, const std::vector<Symbol>& symbols) {
  std::vector<std::uint32_t> cFreq(kNC, 0), pFreq(kNP, 0);
  for (const Symbol& s : symbols) {
    ++cFreq[s.Code];
    if (s.Code >= 256) ++pFreq[BitLength(s.Position)];
  }
  const HuffmanCode c = BuildHuffmanCode(cFreq);
  const HuffmanCode p = BuildHuffmanCode(pFreq);
  out.Put(16, static_cast<std::uint32_t>(symbols.size()));
  if (c.Single >= 0) {
    out.Put(kTBit, 0);
    out.Put(kTBit, 0);
    out.Put(kCBit, 0);
    out.Put(kCBit, c.Single);
  } else {
    const int n = UsedCount(c.Lengths);
    std::vector<std::uint32_t> tFreq(kNT, 0);
    ForEachCLength(c.Lengths, n, [&](int t, int, int) { ++tFreq[t]; });
    const HuffmanCode t = BuildHuffmanCode(tFreq);
    WritePtLengths(out, t, kTBit, kTZeroRunAt);
    out.Put(kCBit, n);
    ForEachCLength(c.Lengths, n, [&](int sym, int bits, int value) {
      out.Put(t.Lengths[sym], t.Codes[sym]);
      out.Put(bits, value);
    });
  }
  WritePtLengths(out, p, kPBit, -1);
  for (const Symbol& s : symbols) {
    out.Put(c.Lengths[s.Code], c.Codes[s.Code]);
    if (s.Code < 256) continue;
    const int bits = BitLength(s.Position);
    out.Put(p.Lengths[bits], p.Codes[bits]);
    if (bits > 1) out.Put(bits - 1, s.Position);  // the top bit is implied by the bit count
  }
}

class MatchFinder {
 public:
  explicit MatchFinder(std::string_view data)
      : data_(data), head_(1 << kHashBits, kNoPosition), prev_(kWindow, kNoPosition) {}

  // Makes every position before end findable.
  void InsertUpTo(int end) {
    const int last = static_cast<int>(data_.size()) - kMinMatch;
    for (; next_ < end && next_ <= last; ++next_) {
      const unsigned h = Hash(next_);
      prev_[next_ & (kWindow - 1)] = head_[h];
      head_[h] = next_;
    }
    next_ = std::max(next_, end);
  }

  // The longest earlier match at pos (length 0 when none of kMinMatch bytes), nearest first.
  void Find(int pos, int& length, int& distance) const {
    length = 0;
    distance = 0;
    const int avail = std::min<int>(kMaxMatch, static_cast<int>(data_.size()) - pos);
    if (avail < kMinMatch) return;
    const char* here = data_.data() + pos;
    int candidate = head_[Hash(pos)];
    for (int chain = 0; chain < kMaxChain && candidate >= pos - kWindow && candidate >= 0;
         ++chain) {
      const char* there = data_.data() + candidate;
      if (there[length] == here[length] && there[0] == here[0]) {
        int len = 0;
        while (len < avail && there[len] == here[len]) ++len;
        if (len > length) {
          length = len;
          distance = pos - candidate;
          if (len == avail) break;
        }
      }
      const int older = prev_[candidate & (kWindow - 1)];
      if (older >= candidate) break;
      candidate = older;
    }
    if (length < kMinMatch) length = 0;
  }

 private:
  unsigned Hash(int pos) const {
    const auto* p = reinterpret_cast<const unsigned char*>(data_.data()) + pos;
    return ((p[0] << 10) ^ (p[1] << 5) ^ p[2]) & ((1u << kHashBits) - 1);
  }

  std::string_view data_;
  std::vector<int> head_;
  std::vector<int> prev_;
  int next_ = 0;
};

}  // namespace

std::string EncodeLh5(std::string_view data) {
  if (data.empty()) return {};
  BitWriter out;
  MatchFinder finder(data);
  std::vector<Symbol> block;
  block.reserve(kMaxBlockSymbols);
  auto emit = [&](Symbol s) {
    block.push_back(s);
    if (block.size() == kMaxBlockSymbols) {
      WriteBlock(out, block);
      block.clear();
    }
  };
  const int size = static_cast<int>(data.size());
  int pos = 0;
  int length = 0, distance = 0;
  finder.Find(pos, length, distance);
  while (pos < size) {
    if (length == 0) {
      emit({static_cast<unsigned char>(data[pos]), 0});
      finder.InsertUpTo(++pos);
      finder.Find(pos, length, distance);
      continue;
    }
    if (length < kLazyBelow) {
      // One byte later may start a longer match; then this byte goes out as a literal.
      int nextLength = 0, nextDistance = 0;
      finder.InsertUpTo(pos + 1);
      finder.Find(pos + 1, nextLength, nextDistance);
      if (nextLength > length) {
        emit({static_cast<unsigned char>(data[pos]), 0});
        ++pos;
        length = nextLength;
        distance = nextDistance;
        continue;
      }
    }
    emit({static_cast<std::uint16_t>(256 + length - kMinMatch),
          static_cast<std::uint16_t>(distance - 1)});
    pos += length;
    finder.InsertUpTo(pos);
    finder.Find(pos, length, distance);
  }
  if (!block.empty()) WriteBlock(out, block);
  return out.Finish();
}

}  // namespace quillpad::archiver
