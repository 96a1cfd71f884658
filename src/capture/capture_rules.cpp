#include "capture/capture_rules.h"

#include <algorithm>
#include <charconv>

#include "base/bmp_image.h"
#include "base/text.h"

namespace quillpad {

platform::Rect OrderCorners(platform::Point a, platform::Point b) {
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

platform::Rect CutToDesktop(const platform::Rect& window, const platform::Rect& desktop) {
  return {std::max(window.Left, desktop.Left), std::max(window.Top, desktop.Top),
          std::min(window.Right, desktop.Right), std::min(window.Bottom, desktop.Bottom)};
}

bool IsEmptyCapture(const platform::Rect& r) {
  return r.Width() <= 0 || r.Height() <= 0;
}

platform::Point CaptureMemoPlace(const platform::Rect& captured) {
  return {captured.Left + 3, captured.Top + 3};
}

std::string CutPicture(std::string_view bmpFile, const platform::Rect& r) {
  const std::optional<BmpInfo> info = ReadBmpInfo(bmpFile);
  if (!info) return {};
  const platform::Rect inside = CutToDesktop(r, {0, 0, info->Width, info->Height});
  if (IsEmptyCapture(inside)) return {};
  const std::optional<RgbPicture> whole = DecodeBmp(bmpFile);
  if (!whole) return {};
  RgbPicture cut;
  cut.Width = inside.Width();
  cut.Height = inside.Height();
  cut.Pixels.reserve(static_cast<std::size_t>(cut.Width) * cut.Height);
  for (int y = inside.Top; y < inside.Bottom; ++y) {
    for (int x = inside.Left; x < inside.Right; ++x) cut.Pixels.push_back(whole->At(x, y));
  }
  return EncodeBmp(cut, 24);
}

int CaptureDelaySeconds(std::string_view text) {
  const std::string trimmed = Trim(text);
  long long value = 0;
  const char* end = trimmed.data() + trimmed.size();
  const auto [stop, error] = std::from_chars(trimmed.data(), end, value);
  if (trimmed.empty() || error != std::errc() || stop != end) return 0;
  return static_cast<int>(std::clamp<long long>(value, 0, kMaxCaptureDelay));
}

int StepCaptureDelay(std::string_view text, int step) {
  return std::clamp(CaptureDelaySeconds(text) + step, 0, kMaxCaptureDelay);
}

int RemainingSeconds(DateTime deadline, DateTime now) {
  return deadline.Ms <= now.Ms ? 0 : static_cast<int>((deadline.Ms - now.Ms) / 1000);
}

std::string CountdownText(int seconds) {
  return "*** タイマー設定によるスクリーンキャプチャモード ***\r\n\r\n" + std::to_string(seconds) +
         "秒後キャプチャ開始";
}

}  // namespace quillpad
