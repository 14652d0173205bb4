// The language loader on arbitrary bytes: load_language over a model of the
// program's windows, then message lookups. Nothing may crash, hang or
// read out of bounds; texts that do not parse simply stay as they were.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <unistd.h>

#include "lang/translator.h"
#include "lang/named_components.h"
#include "platform/files.h"

namespace {

using namespace orvx;

struct Windows {
  Windows() {
    main.self().declare("Caption", "Orvane X");
    main.add("save_button").declare("Caption", "Speichern").declare("Hint", "Speichern...");
    main.add("pm_refresh_desktop").declare("Caption", "Aktualisieren");
    settings.self().declare("Caption", "Einstellungen");
    settings.add("orv_on_start").declare("Caption", "").declare("Hint", "");
    settings.add("auto_check_icons_value").declare_non_string("Value");
    error_list.add("abort_button").declare("Caption", "Schliessen").declare("Text", "");
    registry.add(&main);
    registry.add(&settings);
    registry.add(&error_list);
  }
  ModelWindow main{"orvx_form"};
  ModelWindow settings{"settings_form"};
  ModelWindow error_list{"error_icon_list"};
  WindowRegistry registry;
};

// The one file each input is written to; removed when the fuzzer exits.
class ScratchFile {
 public:
  ScratchFile()
      : path_(files::temp_folder() + "orvx-lang-fuzz-" + std::to_string(static_cast<long>(getpid())) + ".qlf") {}
  ~ScratchFile() { files::delete_file(path_); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

const std::string& language_path() {
  static const ScratchFile kFile;
  return kFile.path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (!files::write_file(language_path(), bytes)) return 0;

  Windows windows;
  lang::Translator translator(windows.registry);
  translator.load_language(language_path());
  // A few ids through the file, as the program looks them up (each lookup
  // reads the file again, so all of them would only slow the search down).
  for (std::string_view id : {"MSDLG_0", "misc", "List_5"}) {
    const std::string text = translator.get_message("Deutsch", id);
    if (text.empty()) __builtin_trap();  // a message is never empty
  }
  // Ids taken from the input itself, as a hand-edited file might name them.
  const size_t eq = bytes.find('=');
  if (eq != std::string_view::npos) {
    size_t start = bytes.rfind('\n', eq);
    start = start == std::string_view::npos ? 0 : start + 1;
    (void)translator.get_message("Deutsch", bytes.substr(start, eq - start));
  }
  return 0;
}
