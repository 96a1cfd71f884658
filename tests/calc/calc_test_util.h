// Shared helpers of the calculation tests.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "base/encoding.h"
#include "calc/evaluator.h"

namespace quillpad::test {

// The program's texts are CP932; the tests spell them in UTF-8.
inline std::string Cp932(const char8_t* utf8) {
  return Utf8ToCp932(reinterpret_cast<const char*>(utf8));
}

inline const std::string kWaiting = Cp932(u8"入力・修正待ち");

struct Outcome {
  std::string Result;
  std::string Message;
  bool operator==(const Outcome&) const = default;
};

inline Outcome EvalWith(Evaluator& evaluator, std::string_view text) {
  evaluator.Evaluate(text);
  return {evaluator.ResultText, evaluator.Message};
}

// A fresh evaluator for one text.
inline Outcome Eval(std::string_view text) {
  Evaluator evaluator;
  return EvalWith(evaluator, text);
}

inline Outcome Value(std::string result) {
  return {std::move(result), ""};
}
inline Outcome Error(const char8_t* message) {
  return {"", Cp932(message)};
}
inline Outcome Waiting() {
  return {"", kWaiting};
}

inline void PrintTo(const Outcome& o, std::ostream* os) {
  *os << "{\"" << o.Result << "\", \"" << Cp932ToUtf8(o.Message) << "\"}";
}

}  // namespace quillpad::test
