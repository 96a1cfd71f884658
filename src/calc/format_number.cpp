#include "calc/format_number.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace quillpad {

std::string FormatNumber(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  // -0 is shown as plain 0: a result such as -0*5 is zero to the user.
  if (value == 0) return "0";

  // to_chars rounds the exact binary value the same way on every platform, so results do not
  // depend on the C library the program was linked with.
  char buffer[64];
  const auto converted = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, 14);
  const std::string_view text(buffer, converted.ptr - buffer);  // "d.dddddddddddddde+XX"
  const std::size_t mark = text.find('e');
  std::string digits;
  digits += text[0];
  digits.append(text.substr(2, mark - 2));
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  int exponent = 0;
  std::from_chars(text.data() + mark + 1 + (text[mark + 1] == '+'), text.data() + text.size(),
                  exponent);
  // value = 0.d1d2... x 10^e
  const int e = exponent + 1;

  std::string out;
  if (value < 0) out += '-';
  const int count = static_cast<int>(digits.size());
  if (e >= -3 && e <= 15) {
    if (e >= 1) {
      if (count <= e) {
        out += digits;
        out.append(e - count, '0');
      } else {
        out.append(digits, 0, e);
        out += '.';
        out.append(digits, e);
      }
    } else {
      out += "0.";
      out.append(-e, '0');
      out += digits;
    }
  } else {
    out += digits[0];
    if (count > 1) {
      out += '.';
      out.append(digits, 1);
    }
    out += 'E';
    out += std::to_string(e - 1);
  }
  return out;
}

}  // namespace quillpad
