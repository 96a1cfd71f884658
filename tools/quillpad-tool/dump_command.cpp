// quillpad-tool dump FILE: the object images of a memo, style or template file as text.
#include <fstream>
#include <iterator>

#include "command.h"
#include "memo/object_text.h"

namespace quillpad::tool {

namespace {

int Dump(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    WriteStderr("usage: quillpad-tool dump FILE\n");
    return 64;
  }
  std::ifstream in(args[0], std::ios::binary);
  if (!in) {
    WriteStderr("dump: cannot open " + args[0] + "\n");
    return 1;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // Written out as it is read: a file of any size is never held as text.
  bool wrote = false;
  const bool complete = WriteObjectImagesAsText(bytes, [&wrote](std::string_view text) {
    wrote = true;
    WriteStdout(std::string(text));
  });
  if (!complete && !wrote) {
    WriteStderr("dump: " + args[0] +
                (bytes.compare(0, 4, "TPF0") == 0 ? ": damaged object image\n"
                                                  : ": not an object image\n"));
    return 1;
  }
  if (!complete) {
    WriteStderr("dump: " + args[0] + ": damaged data after the text shown\n");
    return 1;
  }
  return 0;
}

const bool registered =
    RegisterCommand({"dump", "dump FILE        object images of FILE as text", Dump});

}  // namespace

}  // namespace quillpad::tool
