#pragma once
// One on-screen control of a window and the component name under which a
// language file translates it ("save_button.Caption=Save"). Each window
// keeps a table of these (its *_components.h), so that the names language
// files rely on stay in one place while the code names its controls after
// what they are.
namespace orvx::lang {

struct ComponentName {
  const char* control;  // what the window's code calls it
  const char* name;     // the component name in language files
  bool translated;      // the shipped English file gives it a text
};

}  // namespace orvx::lang
