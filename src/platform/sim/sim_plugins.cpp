#include "platform/sim/sim_plugins.h"

namespace quillpad::platform::sim {

namespace {

class SimPluginFile : public PluginFile {
 public:
  explicit SimPluginFile(std::string bytes) : Bytes(std::move(bytes)) {}
  std::string Bytes;
};

class SimPluginPicture : public PluginPicture {
 public:
  explicit SimPluginPicture(FakePictureBlocks blocks) : blocks_(std::move(blocks)) {}
  std::string_view Header() const override { return blocks_.Header; }
  std::string_view Pixels() const override { return blocks_.Pixels; }

 private:
  FakePictureBlocks blocks_;
};

}  // namespace

class SimPictureLibrary : public PictureLibrary {
 public:
  SimPictureLibrary(SimPluginLoader& loader, const FakePlugin& plugin)
      : loader_(loader), plugin_(plugin) {
    ++loader_.loaded_;
  }
  ~SimPictureLibrary() override { --loader_.loaded_; }

  int GetPluginInfo(int number, std::string& text) override {
    if (plugin_.Info) {
      const int result = plugin_.Info(number, text);
      if (text.size() > 80) text.resize(80);  // the buffer's size
      return result;
    }
    const int n = (number - 2) / 2;
    if (number < 2 || n >= static_cast<int>(plugin_.FileTypes.size())) return 0;
    const auto& type = plugin_.FileTypes[static_cast<std::size_t>(n)];
    text = number % 2 == 0 ? type.first : type.second;
    return static_cast<int>(text.size());
  }
  int IsSupported(const std::string& path, PluginFile& file) override {
    return plugin_.IsSupported ? plugin_.IsSupported(path, static_cast<SimPluginFile&>(file).Bytes)
                               : 0;
  }
  int GetPictureInfo(const std::string& path, PluginPictureInfo& info) override {
    return plugin_.GetPictureInfo ? plugin_.GetPictureInfo(Read(path), info) : 1;
  }
  std::unique_ptr<PluginPicture> GetPicture(const std::string& path) override {
    if (!plugin_.GetPicture) return nullptr;
    std::optional<FakePictureBlocks> blocks = plugin_.GetPicture(Read(path));
    if (!blocks) return nullptr;
    return std::make_unique<SimPluginPicture>(std::move(*blocks));
  }

 private:
  std::string Read(const std::string& path) {
    std::string bytes;
    if (!static_cast<FileSystem&>(loader_.files_).ReadFile(path, bytes)) bytes.clear();
    return bytes;
  }
  SimPluginLoader& loader_;
  FakePlugin plugin_;
};

std::unique_ptr<PictureLibrary> SimPluginLoader::Load(const std::string& name) {
  requests_.push_back(name);
  const auto found = plugins_.find(name);
  if (found == plugins_.end()) return nullptr;
  return std::make_unique<SimPictureLibrary>(*this, found->second);
}

std::unique_ptr<PluginFile> SimPluginLoader::OpenForReading(const std::string& path) {
  std::string bytes;
  if (!static_cast<FileSystem&>(files_).ReadFile(path, bytes)) return nullptr;
  return std::make_unique<SimPluginFile>(std::move(bytes));
}

}  // namespace quillpad::platform::sim
