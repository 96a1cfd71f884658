// Fake picture plug-ins for the simulated desktop.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/bmp_image.h"
#include "platform/sim/sim_plugins.h"

namespace quillpad::testing {

// A plug-in for "BMP" files that hands their header and pixels over as a decoder would, after
// `lie` had its way with its answers.
inline platform::sim::FakePlugin BmpPlugin(
    std::function<void(platform::PluginPictureInfo&, platform::sim::FakePictureBlocks&)> lie = {}) {
  using platform::PluginPictureInfo;
  using platform::sim::FakePictureBlocks;
  using platform::sim::FakePlugin;
  FakePlugin p;
  p.FileTypes = {{"*.qpx", "QPX file"}};
  p.IsSupported = [](const std::string&, const std::string& bytes) {
    return bytes.starts_with("BM") ? 7 : 0;
  };
  auto answer = [lie](const std::string& bytes, PluginPictureInfo& info,
                      FakePictureBlocks& blocks) {
    const std::optional<BmpInfo> bmp = ReadBmpInfo(bytes);
    if (!bmp) return false;
    info.Width = bmp->Width;
    info.Height = bmp->Height;
    blocks = {bytes.substr(14, bmp->PixelOffset - 14), bytes.substr(bmp->PixelOffset)};
    if (lie) lie(info, blocks);
    return true;
  };
  p.GetPictureInfo = [answer](const std::string& bytes, PluginPictureInfo& info) {
    FakePictureBlocks blocks;
    return answer(bytes, info, blocks) ? 0 : 1;
  };
  p.GetPicture = [answer](const std::string& bytes) -> std::optional<FakePictureBlocks> {
    PluginPictureInfo info;
    FakePictureBlocks blocks;
    if (!answer(bytes, info, blocks)) return std::nullopt;
    return blocks;
  };
  return p;
}

}  // namespace quillpad::testing
