#include "plugins/picture_filter.h"

#include <gtest/gtest.h>

#include "base/bmp_image.h"

namespace quillpad {
namespace {

TEST(PictureFilter, BitmapsAndAllFilesFollowWhateverThePluginsReport) {
  EXPECT_EQ(BuildPictureFilter({}), "ビットマップファイル(*.bmp)|*.bmp|すべてのファイル(*.*)|*.*");
  EXPECT_EQ(BuildPictureFilter({{"*.jpg;*.jpeg", "JPEG file"}}),
            "JPEG file(*.jpg;*.jpeg),ビットマップファイル(*.bmp)|*.jpg;*.jpeg;*.bmp|"
            "すべてのファイル(*.*)|*.*");
  EXPECT_EQ(BuildPictureFilter({{"*.png", "PNG"}, {"*.gif", "GIF"}}),
            "PNG(*.png),GIF(*.gif),ビットマップファイル(*.bmp)|*.png;*.gif;*.bmp|"
            "すべてのファイル(*.*)|*.*");
}

TEST(PictureFilter, ExtensionsListEveryPatternAndMatchWithoutCase) {
  const std::string list = SupportedExtensions({{"*.jpg;*.jpeg;*.jpe", "JPEG"}, {"*.png", "PNG"}});
  EXPECT_EQ(list, ".jpg\n.jpeg\n.jpe\n.png");
  EXPECT_EQ(SupportedExtensions({}), "");
  EXPECT_TRUE(HasSupportedExtension(list, "C:\\a\\b.JPEG"));
  EXPECT_FALSE(HasSupportedExtension(list, "C:\\a\\b.BMP"));  // bitmaps only when reported
  EXPECT_FALSE(HasSupportedExtension(list, "C:\\a.png\\readme"));
  EXPECT_FALSE(HasSupportedExtension("", "x.png"));
}

// A decoder's header and pixels: rows must lie inside the pixel bytes the decoder gave.
TEST(PictureFilter, DecoderAnswersBecomePicturesOnlyWhenTheirSizesAgree) {
  const std::string file = SolidBmpFile(3, 2, 0x0000FF);
  const std::string header = file.substr(14, 40);
  const std::string pixels = file.substr(54);
  EXPECT_EQ(BmpFileFromParts(header, pixels), file);
  EXPECT_EQ(BmpFileFromParts(header, pixels + "extra"), file);
  EXPECT_EQ(BmpFileFromParts(header, pixels.substr(0, pixels.size() - 1)), "");
  EXPECT_EQ(BmpFileFromParts(header.substr(0, 39), pixels), "");
  std::string tall = header;
  tall[8] = 100;  // a height the pixels do not have
  EXPECT_EQ(BmpFileFromParts(tall, pixels), "");
}

}  // namespace
}  // namespace quillpad
