// What the style template window asks of the window that keeps the current memo style and the
// template list (StyleTemplate.dat).
#pragma once

#include <vector>

namespace quillpad {

class TMemoForm;

class StyleTemplateHost {
 public:
  virtual ~StyleTemplateHost() = default;
  // The templates read from StyleTemplate.dat (none when it is missing), kept while the
  // window is open.
  virtual std::vector<TMemoForm*>& LoadTemplates() = 0;
  // The list written back to StyleTemplate.dat and discarded.
  virtual void SaveTemplates() = 0;
  // The current style takes the template's colour, font, border and background mode.
  virtual void ApplyTemplate(TMemoForm& style) = 0;
};

}  // namespace quillpad
