#include <gtest/gtest.h>

#include <string>

#include "archiver/archiver_files.h"
#include "archiver/crc16.h"
#include "archiver/lh5_encoder.h"

namespace quillpad::archiver {
namespace {

using testing::MemoText;
using testing::RandomBytes;

std::string RoundTrip(const std::string& data) {
  std::string out;
  EXPECT_TRUE(DecodeLh5(EncodeLh5(data), data.size(), out));
  return out;
}

unsigned FirstBlockSymbols(const std::string& packed) {
  return static_cast<unsigned char>(packed[0]) << 8 | static_cast<unsigned char>(packed[1]);
}

TEST(Lh5, RoundTripsEdgeSizes) {
  EXPECT_EQ(EncodeLh5(""), "");
  EXPECT_EQ(RoundTrip(""), "");
  EXPECT_EQ(RoundTrip("x"), "x");
  for (std::size_t size : {65534u, 65535u, 65536u, 65537u, 200000u}) {
    const std::string data = RandomBytes(size, static_cast<std::uint32_t>(size));
    EXPECT_EQ(RoundTrip(data), data) << size;
  }
}

TEST(Lh5, BlockNeverHoldsMoreThan65535Symbols) {
  // Random bytes rarely match: nearly one symbol per byte, so the first block must be cut.
  const std::string packed = EncodeLh5(RandomBytes(70000, 7));
  EXPECT_EQ(FirstBlockSymbols(packed), 65535u);
  // One byte repeated: 256-byte matches of one distance, at most one bit a symbol (none where
  // a block's trees hold one symbol each).
  const std::string same(20'000'000, 'a');
  const std::string tiny = EncodeLh5(same);
  EXPECT_LT(tiny.size(), same.size() / 256 / 8 + 100);
  EXPECT_EQ(FirstBlockSymbols(tiny), 65535u);
  EXPECT_EQ(RoundTrip(same), same);
}

TEST(Lh5, ReachesBackExactlyOneWindow) {
  // The copy lies exactly 8 KiB back; one byte more and nothing could be matched.
  const std::string block = RandomBytes(8192, 3);
  const std::string near = block + block;
  EXPECT_LT(EncodeLh5(near).size(), 8192u + 1024u);
  EXPECT_EQ(RoundTrip(near), near);
  const std::string far = block + "?" + block;
  EXPECT_GT(EncodeLh5(far).size(), 16000u);
  EXPECT_EQ(RoundTrip(far), far);
}

TEST(Lh5, PacksMemoText) {
  const std::string text = MemoText(300000);
  EXPECT_LT(EncodeLh5(text).size(), text.size() / 3);
  EXPECT_EQ(RoundTrip(text), text);
}

TEST(Lh5, RejectsDamagedStreams) {
  const std::string text = MemoText(50000);
  const std::string packed = EncodeLh5(text);
  std::string out;
  EXPECT_FALSE(DecodeLh5(packed.substr(0, packed.size() / 2), text.size(), out));
  EXPECT_LE(out.size(), text.size());
  // Asking for more than the stream holds runs out of bits, not out of bounds.
  EXPECT_FALSE(DecodeLh5(packed, text.size() + 100000, out));
  std::string zeros(64, '\0');
  EXPECT_FALSE(DecodeLh5(zeros, 10, out));
}

TEST(Crc16, MatchesTheArchiveCheckValue) {
  EXPECT_EQ(Crc16("123456789"), 0xBB3D);  // the reflected 0xA001 polynomial, starting at 0
  EXPECT_EQ(Crc16("56789", Crc16("1234")), 0xBB3D);
}

}  // namespace
}  // namespace quillpad::archiver
