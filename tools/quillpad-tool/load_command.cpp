// quillpad-tool load TEXT OUT: the text form (as `dump` prints it) back to object images.
#include <fstream>
#include <iterator>

#include "command.h"
#include "memo/object_text.h"

namespace quillpad::tool {

namespace {

int Load(const std::vector<std::string>& args) {
  if (args.size() != 2) {
    WriteStderr("usage: quillpad-tool load TEXT OUT\n");
    return 64;
  }
  std::ifstream in(args[0], std::ios::binary);
  if (!in) {
    WriteStderr("load: cannot open " + args[0] + "\n");
    return 1;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string bytes;
  std::string error;
  if (!TextToObjectImages(text, bytes, error)) {
    WriteStderr("load: " + args[0] + ": " + error + "\n");
    return 1;
  }
  std::ofstream out(args[1], std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    WriteStderr("load: cannot write " + args[1] + "\n");
    return 1;
  }
  return 0;
}

const bool registered =
    RegisterCommand({"load", "load TEXT OUT    text form back to object images", Load});

}  // namespace

}  // namespace quillpad::tool
