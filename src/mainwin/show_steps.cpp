#include "mainwin/show_steps.h"

#include <exception>

#include "mainwin/load_settings.h"
#include "config/config_file.h"
#include "ini/ini_file.h"
#include "lang_online/language_chooser.h"
#include "platform/error_report.h"

namespace orvx::mainwin {
namespace {

// The windows whose texts the template holds, in the order they are written.
constexpr const char* kTemplateWindows[] = {"orvx_form", "about", "settings_form", "error_icon_list"};

void write_language_template(const MainContext& context, const std::string& template_path) {
  for (const char* name : kTemplateWindows) {
    if (NamedWindow* window = context.windows.find(name)) {
      context.translator.write_template(*window, template_path);
    }
  }
}

void ask_language_once(const MainContext& context, StartupOps& window) {
  const std::string config = config::config_file_path(context.folders.data);
  const bool settled = ini::read_bool(config, config::kSettingsSection, lang_online::kLanguageMenuKey, false);
  const bool german = !settled && is_german_language_id(window.user_default_lang_id());
  if (settled || german) {
    ini::write_bool(config, config::kSettingsSection, lang_online::kLanguageMenuKey, true);
  } else if (context.language_chooser.should_offer(settled, german)) {
    window.show_language_chooser();
  }
}

}  // namespace

bool is_german_language_id(uint16_t language_id) {
  return language_id == 0x0407 || language_id == 0x0807 || language_id == 0x0C07;
}

void run_show_steps(const MainContext& context, MainWindowOps& window, const std::string& template_path) {
  std::exception_ptr load_failure;
  try {
    load_settings(context, window);
  } catch (...) {
    load_failure = std::current_exception();
  }
  if (context.start_switch == StartSwitch::kTemplate) {
    write_language_template(context, template_path);
    window.terminate_application();
  } else if (!load_failure) {
    ask_language_once(context, window);
  }
  if (load_failure) errors::report_exception(load_failure);
}

}  // namespace orvx::mainwin
