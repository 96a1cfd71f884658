// Picture plug-ins on the simulated desktop: a test registers fake libraries under the names the
// program loads; each call is answered by the fake's functions. Loads and releases are logged.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/picture_plugins.h"
#include "platform/sim/sim_file_system.h"

namespace quillpad::platform::sim {

// What GetPicture hands back: the header block and the pixel block.
struct FakePictureBlocks {
  std::string Header;
  std::string Pixels;
};

struct FakePlugin {
  // Pattern and description of each file type, answered as information numbers 2n+2 and 2n+3.
  std::vector<std::pair<std::string, std::string>> FileTypes;
  // Replaces the answers from FileTypes when set: return value and text for a number.
  std::function<int(int number, std::string& text)> Info;
  // Each gets the file's bytes too, as a plug-in reads them through the handle or by the name
  // (empty when the file cannot be read).
  std::function<int(const std::string& path, const std::string& bytes)> IsSupported;
  std::function<int(const std::string& bytes, PluginPictureInfo& info)> GetPictureInfo;
  // nullopt: the handles stay unset.
  std::function<std::optional<FakePictureBlocks>(const std::string& bytes)> GetPicture;
};

class SimPluginLoader : public PluginLoader {
 public:
  explicit SimPluginLoader(SimFileSystem& files) : files_(files) {}
  // A library found under this name from now on.
  void Register(const std::string& name, FakePlugin plugin) { plugins_[name] = std::move(plugin); }
  // Every name the program asked for, in order, whether it loaded or not.
  const std::vector<std::string>& LoadRequests() const { return requests_; }
  // Libraries loaded and not yet released.
  int LoadedNow() const { return loaded_; }

  std::unique_ptr<PictureLibrary> Load(const std::string& name) override;
  std::unique_ptr<PluginFile> OpenForReading(const std::string& path) override;

 private:
  friend class SimPictureLibrary;
  SimFileSystem& files_;
  std::map<std::string, FakePlugin> plugins_;
  std::vector<std::string> requests_;
  int loaded_ = 0;
};

}  // namespace quillpad::platform::sim
