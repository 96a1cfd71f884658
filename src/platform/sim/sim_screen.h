// The simulated screen: a picture the test paints, which captures copy pixel by pixel; window
// rectangles from the simulated windows; outlines, repaints and icon extraction logged; files
// with icons named by the test.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "base/bmp_image.h"
#include "platform/screen.h"

namespace quillpad::platform::sim {

class SimDesktop;

enum class ScreenOpKind { Outline, Update, Redraw };
struct ScreenOp {
  ScreenOpKind Kind;
  WindowHandle Window = 0;
  unsigned Flags = 0;  // Redraw
  friend bool operator==(const ScreenOp&, const ScreenOp&) = default;
};

class SimScreen : public Screen {
 public:
  // The screen starts in one colour, the size the desktop has when it is first looked at.
  static constexpr Color kDesktopColor = 0x808000;
  explicit SimScreen(SimDesktop& desktop) : desktop_(desktop) {}

  // --- Set-up and what a test may look at ----------------------------------------------------
  void PaintScreen(const Rect& r, Color color);
  Color PixelAt(Point p);
  // The file holds these icons (BMP file images) in index order; any other existing file is no
  // module (ExtractIcon answers 1), a missing one has none (0).
  void SetFileIcons(const std::string& path, std::vector<std::string> icons) {
    fileIcons_[path] = std::move(icons);
  }
  int LiveIcons() const { return static_cast<int>(icons_.size()); }
  const std::vector<ScreenOp>& Ops() const { return ops_; }
  int Settles() const { return settles_; }
  int Pictures() const { return pictures_; }

  // --- Screen ----------------------------------------------------------------------------------
  Rect DesktopRect() override;
  std::string Picture(const Rect& r) override;
  void Settle() override;
  Rect WindowRect(WindowHandle window) override;
  void UpdateWindow(WindowHandle window) override {
    ops_.push_back({ScreenOpKind::Update, window});
  }
  void RedrawWindow(WindowHandle window, unsigned flags) override {
    ops_.push_back({ScreenOpKind::Redraw, window, flags});
  }
  void OutlineWindow(WindowHandle window) override {
    ops_.push_back({ScreenOpKind::Outline, window});
  }
  IconHandle ExtractFileIcon(const std::string& file, int index) override;
  std::string IconPicture(IconHandle icon) override;
  void DestroyIcon(IconHandle icon) override { icons_.erase(icon); }

 private:
  RgbPicture& Pixels();

  SimDesktop& desktop_;
  RgbPicture pixels_;
  std::map<std::string, std::vector<std::string>> fileIcons_;
  std::map<IconHandle, std::string> icons_;
  IconHandle nextIcon_ = 0x1000;
  std::vector<ScreenOp> ops_;
  int settles_ = 0;
  int pictures_ = 0;
};

}  // namespace quillpad::platform::sim
