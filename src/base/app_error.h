// Errors that no handler of their own catches: they reach the message loop, where the general
// error box shows the message and the program goes on.
#pragma once

#include <stdexcept>
#include <string>

namespace quillpad {

// The message is CP932 text, shown as it is.
class AppError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace quillpad
