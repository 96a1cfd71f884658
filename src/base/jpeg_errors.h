// How our users of libjpeg (the JPEG saves and the JPEG plug-in) take its failures: the library
// calls error_exit, which must not return, so we jump back out to a setjmp of the caller's, and
// it says nothing on its own. Header-only: only files that link libjpeg include it.
#pragma once

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

namespace quillpad {

struct JpegErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

inline void JpegErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrorJump*>(info->err)->jump, 1);
}

// Points the library's errors at the jump, with no messages.
inline jpeg_error_mgr* QuietJpegErrors(JpegErrorJump& error) {
  jpeg_error_mgr* manager = jpeg_std_error(&error.manager);
  manager->error_exit = JpegErrorExit;
  manager->output_message = [](j_common_ptr) {};
  manager->emit_message = [](j_common_ptr, int) {};
  return manager;
}

}  // namespace quillpad
