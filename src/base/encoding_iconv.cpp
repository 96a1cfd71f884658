#include <errno.h>
#include <iconv.h>

#include "base/encoding.h"

namespace quillpad {

namespace {

// One descriptor per direction and thread, opened on first use: opening one loads and looks up
// the conversion tables, which costs far more than a short conversion.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (Valid()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t Get() const { return cd_; }

 private:
  iconv_t cd_;
};

// Converts with iconv; an input sequence that does not convert is replaced by '?' (in the
// target's unit width) and skipped, so output never stops short.
template <typename Out>
Out Convert(const Converter& converter, const char* in, std::size_t inBytes, std::size_t unit) {
  Out out;
  if (!converter.Valid()) return out;
  iconv_t cd = converter.Get();
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a clean shift state for every call
  char buffer[4096];
  char* src = const_cast<char*>(in);
  std::size_t left = inBytes;
  while (left > 0) {
    char* dst = buffer;
    std::size_t room = sizeof buffer;
    const std::size_t rc = iconv(cd, &src, &left, &dst, &room);
    out.append(reinterpret_cast<const typename Out::value_type*>(buffer), (dst - buffer) / unit);
    if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
      out.push_back(static_cast<typename Out::value_type>('?'));
      // Skip one unit of input; a lead byte plus trail counts as one bad character in CP932.
      const std::size_t skip = std::min<std::size_t>(left, 1);
      src += skip;
      left -= skip;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  thread_local const Converter converter("UTF-8", "CP932");
  return Convert<std::string>(converter, cp932.data(), cp932.size(), 1);
}

std::string Utf8ToCp932(std::string_view utf8) {
  thread_local const Converter converter("CP932", "UTF-8");
  return Convert<std::string>(converter, utf8.data(), utf8.size(), 1);
}

std::u16string Cp932ToUtf16(std::string_view cp932) {
  thread_local const Converter converter("UTF-16LE", "CP932");
  return Convert<std::u16string>(converter, cp932.data(), cp932.size(), 2);
}

std::string Utf16ToCp932(std::u16string_view utf16) {
  thread_local const Converter converter("CP932", "UTF-16LE");
  return Convert<std::string>(converter, reinterpret_cast<const char*>(utf16.data()),
                              utf16.size() * 2, 1);
}

}  // namespace quillpad
