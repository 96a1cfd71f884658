// The -lh5- method: LZSS over an 8 KiB window with static Huffman blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quillpad::archiver {

// The packed stream for data (empty for empty data).
std::string EncodeLh5(std::string_view data);

// Unpacks exactly originalSize bytes into out. False for a stream that is damaged or too short;
// never reads past packed and never holds more than originalSize bytes (the caller bounds it).
bool DecodeLh5(std::string_view packed, std::size_t originalSize, std::string& out);

// The same, handing the bytes to sink in pieces of at most 8 KiB: memory stays constant however
// large originalSize is.
bool DecodeLh5(std::string_view packed, std::uint64_t originalSize,
               const std::function<void(std::string_view)>& sink);

}  // namespace quillpad::archiver
