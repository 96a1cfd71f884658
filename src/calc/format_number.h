// Number text of results: general format with 15 significant digits.
#pragma once

#include <string>

namespace quillpad {

// "123.45", "0.0001", "1E-5", "1.5E20", "-2", "INF", "-INF", "NAN". Negative zero is "0".
std::string FormatNumber(double value);

}  // namespace quillpad
