#include "plugins/picture_plugins.h"

#include <gtest/gtest.h>

#include "base/bmp_image.h"
#include "base/text.h"
#include "support/fake_plugins.h"
#include "support/sim_fixture.h"

namespace quillpad {
namespace {

using platform::PluginPictureInfo;
using platform::sim::FakePictureBlocks;
using platform::sim::FakePlugin;
using testing::BmpPlugin;

class PicturePluginsTest : public testing::SimTest {
 protected:
  PicturePluginsTest() { testing::WriteHostFile(temp.Path() / "a.qpx", picture); }
  platform::sim::SimPluginLoader& loader() { return desk.SimPlugins(); }
  const std::string picture = SolidBmpFile(5, 3, 0x00FF00);
  PicturePlugins plugins{desk.Plugins()};
};

TEST_F(PicturePluginsTest, FilterAndExtensionsComeFromEveryLibraryInTableOrder) {
  EXPECT_EQ(plugins.BuildPictureFilter(),
            "ビットマップファイル(*.bmp)|*.bmp|すべてのファイル(*.*)|*.*");
  EXPECT_EQ(plugins.SupportedExtensions(), "");
  std::vector<std::string> twice(std::begin(kPluginNames), std::end(kPluginNames));
  twice.insert(twice.end(), std::begin(kPluginNames), std::end(kPluginNames));
  EXPECT_EQ(loader().LoadRequests(), twice);

  FakePlugin jpeg;
  jpeg.FileTypes = {{"*.jpg;*.jpeg;*.jpe", "JPEG file"}};
  loader().Register("ifpng.spi", BmpPlugin());
  loader().Register("lzr.spi", jpeg);
  EXPECT_EQ(plugins.BuildPictureFilter(),
            "JPEG file(*.jpg;*.jpeg;*.jpe),QPX file(*.qpx),ビットマップファイル(*.bmp)|"
            "*.jpg;*.jpeg;*.jpe;*.qpx;*.bmp|すべてのファイル(*.*)|*.*");
  EXPECT_EQ(plugins.SupportedExtensions(), ".jpg\n.jpeg\n.jpe\n.qpx");
  EXPECT_EQ(loader().LoadedNow(), 0);  // each released after its operation

  // A plug-in that answers every number still ends the list.
  FakePlugin endless;
  endless.Info = [](int number, std::string& text) {
    text = number % 2 ? "X" : "*.x";
    return 1;
  };
  loader().Register("lzr.spi", endless);
  EXPECT_EQ(SplitLines(plugins.SupportedExtensions()).size(), PicturePlugins::kMaxFileTypes + 1u);
}

TEST_F(PicturePluginsTest, TheFirstLibraryThatTakesTheFileDecodesIt) {
  std::string bmp = "kept";
  EXPECT_EQ(plugins.LoadPictureToBitmap("C:\\a.qpx", bmp), 0);  // no plug-ins
  EXPECT_EQ(bmp, "kept");

  FakePlugin refuses = BmpPlugin();
  refuses.IsSupported = [](const std::string&, const std::string&) { return 0; };
  loader().Register("ifjpeg.spi", refuses);
  loader().Register("ifgif.spi", BmpPlugin());
  loader().Register("ifpng.spi", BmpPlugin([](auto&, auto&) { ADD_FAILURE() << "asked"; }));
  int height = 0, width = 0;
  EXPECT_EQ(plugins.LoadPictureToImage("C:\\a.qpx", bmp, height, width), 7);
  EXPECT_EQ(bmp, picture);
  EXPECT_EQ(height, 3);
  EXPECT_EQ(width, 5);
  EXPECT_EQ(loader().LoadedNow(), 0);
  EXPECT_EQ(plugins.LoadPictureToBitmap("C:\\missing.qpx", bmp), 0);
}

// Whatever a plug-in claims, nothing outside its blocks is read and nothing is made of it.
TEST_F(PicturePluginsTest, ALyingPluginsPictureIsRefused) {
  using Lie = std::function<void(PluginPictureInfo&, FakePictureBlocks&)>;
  const std::vector<std::pair<const char*, Lie>> lies = {
      {"taller header", [](auto&, auto& b) { b.Header[8] = 100; }},
      {"short pixels", [](auto&, auto& b) { b.Pixels.pop_back(); }},
      {"no pixels", [](auto&, auto& b) { b.Pixels.clear(); }},
      {"short header", [](auto&, auto& b) { b.Header.resize(20); }},
      {"header size", [](auto&, auto& b) { b.Header[0] = '\x7F'; }},
      {"bit count", [](auto&, auto& b) { b.Header[14] = 7; }},
      {"huge width", [](auto&, auto& b) { b.Header[7] = '\x7F'; }},
      {"info wider", [](auto& i, auto&) { i.Width = 6; }},
      {"info negative", [](auto& i, auto&) { i.Height = -3; }},
  };
  for (const auto& [what, lie] : lies) {
    loader().Register("ifpng.spi", BmpPlugin(lie));
    std::string bmp = "kept";
    EXPECT_EQ(plugins.LoadPictureToBitmap("C:\\a.qpx", bmp), 0) << what;
    EXPECT_EQ(bmp, "kept") << what;
  }
  FakePlugin unset = BmpPlugin();
  unset.GetPicture = [](const std::string&) { return std::nullopt; };
  loader().Register("ifpng.spi", unset);
  std::string bmp;
  EXPECT_EQ(plugins.LoadPictureToBitmap("C:\\a.qpx", bmp), 0);
  // A block longer than its header needs is fine; the rest is left out.
  loader().Register("ifpng.spi", BmpPlugin([](auto&, auto& b) { b.Header += "junk"; }));
  EXPECT_EQ(plugins.LoadPictureToBitmap("C:\\a.qpx", bmp), 7);
  EXPECT_EQ(bmp, picture);
}

}  // namespace
}  // namespace quillpad
