#include "platform/win32/wide.h"  // <windows.h> first
// clang-format off
#include "platform/win32/plugin_abi.h"
#include "platform/win32/win32_plugins.h"
// clang-format on

#include <cstring>

namespace quillpad::platform::win32 {

namespace {

class Win32PluginFile : public PluginFile {
 public:
  explicit Win32PluginFile(HANDLE handle) : Handle(handle) {}
  ~Win32PluginFile() override { CloseHandle(Handle); }
  HANDLE Handle;
};

// One local-memory block, locked for reading while this lives, freed with it.
class LockedBlock {
 public:
  explicit LockedBlock(HLOCAL handle) : handle_(handle) {
    if (!handle_) return;
    const SIZE_T size = LocalSize(handle_);
    const void* data = size ? LocalLock(handle_) : nullptr;
    if (data) view_ = std::string_view(static_cast<const char*>(data), size);
  }
  ~LockedBlock() {
    if (!handle_) return;
    if (!view_.empty()) LocalUnlock(handle_);
    LocalFree(handle_);
  }
  LockedBlock(const LockedBlock&) = delete;
  LockedBlock& operator=(const LockedBlock&) = delete;
  std::string_view View() const { return view_; }

 private:
  HLOCAL handle_;
  std::string_view view_;
};

class Win32PluginPicture : public PluginPicture {
 public:
  Win32PluginPicture(HLOCAL header, HLOCAL pixels) : header_(header), pixels_(pixels) {}
  std::string_view Header() const override { return header_.View(); }
  std::string_view Pixels() const override { return pixels_.View(); }

 private:
  LockedBlock header_;
  LockedBlock pixels_;
};

template <typename Call>
Call Export(HMODULE module, const char* name) {
  return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class Win32PictureLibrary : public PictureLibrary {
 public:
  explicit Win32PictureLibrary(HMODULE module)
      : module_(module),
        info_(Export<plugin_abi::GetPluginInfoCall>(module, "GetPluginInfo")),
        supported_(Export<plugin_abi::IsSupportedCall>(module, "IsSupported")),
        pictureInfo_(Export<plugin_abi::GetPictureInfoCall>(module, "GetPictureInfo")),
        picture_(Export<plugin_abi::GetPictureCall>(module, "GetPicture")) {}
  ~Win32PictureLibrary() override { FreeLibrary(module_); }
  bool Complete() const { return info_ && supported_ && pictureInfo_ && picture_; }

  int GetPluginInfo(int number, std::string& text) override {
    // One byte more than the plug-in is told of, so the text always ends.
    char buffer[plugin_abi::kInfoBufferSize + 1] = {};
    const int result = info_(number, buffer, plugin_abi::kInfoBufferSize);
    buffer[plugin_abi::kInfoBufferSize] = '\0';
    text.assign(buffer, std::strlen(buffer));
    return result;
  }
  int IsSupported(const std::string& path, PluginFile& file) override {
    HANDLE handle = static_cast<Win32PluginFile&>(file).Handle;
    SetFilePointer(handle, 0, nullptr, FILE_BEGIN);
    return supported_(path.c_str(), handle);
  }
  int GetPictureInfo(const std::string& path, PluginPictureInfo& info) override {
    plugin_abi::PictureRecord record{};
    const int result = pictureInfo_(path.c_str(), 0, 0, &record);
    info.Left = record.Left;
    info.Top = record.Top;
    info.Width = record.Width;
    info.Height = record.Height;
    info.HorizontalDensity = record.HorizontalDensity;
    info.VerticalDensity = record.VerticalDensity;
    info.ColorDepth = record.ColorDepth;
    return result;
  }
  std::unique_ptr<PluginPicture> GetPicture(const std::string& path) override {
    HLOCAL header = nullptr;
    HLOCAL pixels = nullptr;
    picture_(path.c_str(), 0, 0, &header, &pixels, nullptr, 0);
    auto picture = std::make_unique<Win32PluginPicture>(header, pixels);
    if (!header || !pixels) return nullptr;  // the one handle that was set is freed with it
    return picture;
  }

 private:
  HMODULE module_;
  plugin_abi::GetPluginInfoCall info_;
  plugin_abi::IsSupportedCall supported_;
  plugin_abi::GetPictureInfoCall pictureInfo_;
  plugin_abi::GetPictureCall picture_;
};

}  // namespace

std::unique_ptr<PictureLibrary> Win32PluginLoader::Load(const std::string& name) {
  HMODULE module = LoadLibraryW(Wide(name).c_str());
  if (!module) return nullptr;
  auto library = std::make_unique<Win32PictureLibrary>(module);
  if (!library->Complete()) return nullptr;
  return library;
}

std::unique_ptr<PluginFile> Win32PluginLoader::OpenForReading(const std::string& path) {
  HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32PluginFile>(handle);
}

}  // namespace quillpad::platform::win32
