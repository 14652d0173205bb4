#pragma once
// The main window's world for the flow tests: a temporary data folder, the
// in-memory desktop, scripted prompts, the translation engine, the hotkey
// over a recording registrar, and a recorder standing in for the window.
// Everything the flows do outside themselves lands in one log, in order:
//
//   "update_layout", "refresh_timer off", "process_messages", ...  the window
//   "desktop"                     an access cycle on the desktop
//   "message MSDLG_0"             a prompt; built-in German texts by their id
//   "register Strg+Alt+D"         the hotkey registrar
//   "report <text>"               the general error handling
#include <functional>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "profiles/data_folders.h"
#include "mainwin/save_hotkey.h"
#include "mainwin/main_context.h"
#include "mainwin/window_ops.h"
#include "config/settings.h"
#include "icons/memory_desktop.h"
#include "lang/translator.h"
#include "lang/messages.h"
#include "lang_online/language_chooser.h"
#include "platform/files.h"
#include "profiles/profile_store.h"
#include "support/paths.h"
#include "support/recording_reporter.h"
#include "support/scripted_prompts.h"
#include "platform/error_report.h"
#include "platform/message_ids.h"

namespace orvx::mainwin::test {

struct CallLog {
  std::vector<std::string> entries;
  // Runs before every entry is added: a test looks at the world there.
  std::function<void()> before_entry;

  void add(std::string entry) {
    if (before_entry) before_entry();
    entries.push_back(std::move(entry));
  }
  // One entry per access cycle: the desktop's hook runs for each view
  // operation of a cycle.
  void add_desktop_access() {
    if (entries.empty() || entries.back() != "desktop") entries.emplace_back("desktop");
  }
  bool contains(const std::string& entry) const {
    for (const auto& e : entries) {
      if (e == entry) return true;
    }
    return false;
  }
};

// A built-in German text as its message id; any other text as it is.
inline std::string message_label(const std::string& text) {
  for (const auto& m : lang::built_in_messages()) {
    if (m.german == text) return std::string(m.id.text());
  }
  return text;
}

class LoggingPrompts : public orvx::test::ScriptedPrompts {
 public:
  explicit LoggingPrompts(CallLog& log) : log_(log) {}

  // The initial text of every input box, in order.
  std::vector<std::string> initial_texts;

  void show_message(const std::string& text) override {
    log_.add("message " + message_label(text));
    ScriptedPrompts::show_message(text);
  }
  bool confirm_information(const std::string& text) override {
    log_.add("information " + message_label(text));
    return ScriptedPrompts::confirm_information(text);
  }
  void show_error(const std::string& text) override {
    log_.add("error " + message_label(text));
    ScriptedPrompts::show_error(text);
  }
  std::optional<std::string> ask_text(const std::string& title, const std::string& prompt,
                                      const std::string& initial) override {
    log_.add("ask " + message_label(title));
    initial_texts.push_back(initial);
    return ScriptedPrompts::ask_text(title, prompt, initial);
  }

 private:
  CallLog& log_;
};

class RecordingRegistrar : public HotkeyRegistrar {
 public:
  explicit RecordingRegistrar(CallLog& log) : log_(log) {}

  // Combinations (as shortcut text) that another program holds.
  std::set<std::string> taken;

  bool register_hotkey(const config::Shortcut& shortcut) override {
    const std::string text = config::shortcut_to_text(shortcut);
    log_.add("register " + text);
    return !taken.contains(text);
  }
  void unregister_hotkey() noexcept override { log_.add("unregister"); }

 private:
  CallLog& log_;
};

// The error report, written into the call log.
class LoggedReporter {
 public:
  explicit LoggedReporter(CallLog& log) : reporter_([&log](const std::string& text) { log.add("report " + text); }) {}

 private:
  orvx::test::RecordingReporter reporter_;
};

class RecordingWindow : public MainWindowOps {
 public:
  RecordingWindow(CallLog& log, ScreenMeasures& screen) : log_(log), screen_(screen) {}

  // What update_layout measures: the display as it is now.
  ScreenMeasures display{{1920, 1080}, 1};
  // Operations (by their log entry) that throw after being logged.
  std::set<std::string> failing;
  // The menus' answers, and the menus they were shown with.
  SaveMenuChoice save_choice;
  RestoreMenuChoice restore_choice;
  std::vector<ProfileMenus> menus_shown;
  // What the last BuildMinidesk was given.
  DesktopIcons minidesk_icons;
  // Runs inside process_messages, as a message waiting in the queue would.
  std::function<void()> waiting_message;
  // Where locate_data_folders points, and the language of the user.
  DataFolders folders_to_locate;
  bool english_file_writable = true;
  uint16_t lang_id = 0x0407;

  void update_layout() override {
    record("update_layout");
    screen_ = display;
  }
  void build_minidesk(const DesktopIcons& icons) override {
    record("BuildMinidesk");
    minidesk_icons = icons;
  }
  void set_refresh_timer(bool on) override { record(on ? "refresh_timer on" : "refresh_timer off"); }
  void process_messages() override {
    record("process_messages");
    if (waiting_message) std::exchange(waiting_message, nullptr)();
  }

  SaveMenuChoice show_save_menu(const ProfileMenus& menus) override {
    record("save_menu");
    menus_shown.push_back(menus);
    return save_choice;
  }
  RestoreMenuChoice show_restore_menu(const ProfileMenus& menus, bool undo_offered) override {
    record(undo_offered ? "restore_menu with undo" : "restore_menu");
    menus_shown.push_back(menus);
    return restore_choice;
  }

  void set_auto_save_timer(bool enabled, int32_t interval_ms) override {
    record(std::string("auto_save_timer ") + (enabled ? "on " : "off ") + std::to_string(interval_ms));
  }
  void restore_minidesk_state(bool shown) override { record(shown ? "minidesk shown" : "minidesk hidden"); }

  void create_error_list_window() override { record("error_list_window"); }
  DataFolders locate_data_folders() override {
    record("locate_data_folders");
    return folders_to_locate;
  }
  bool write_english_language_file(const std::string& path) override {
    record("write_english " + files::name_of(path));
    return english_file_writable && files::write_file(path, "[INFOS]\r\nlang=English\r\n");
  }
  void restore_placement(const std::string&) override { record("placement"); }
  void show_tray_icon() override { record("tray_icon"); }
  void show_version_line() override { record("version_line"); }
  void make_opaque() override { record("opaque"); }
  void set_autostart_timer(bool on) override { record(on ? "autostart_timer on" : "autostart_timer off"); }
  uint16_t user_default_lang_id() override {
    record("lang_id");
    return lang_id;
  }
  void show_language_chooser() override { record("language_chooser"); }
  void terminate_application() override { record("terminate"); }

 private:
  void record(const std::string& entry) {
    log_.add(entry);
    if (failing.contains(entry)) throw std::runtime_error(entry + " failed");
  }

  CallLog& log_;
  ScreenMeasures& screen_;
};

// Two icons on a 1920 x 1080 desktop, the data folders made, German texts,
// no settings file.
class FlowWorld {
 public:
  FlowWorld() {
    folders = data_folders_under(temp.path());
    files::create_folder(folders.vendor);
    files::create_folder(folders.data);
    window.folders_to_locate = folders;
    desktop.set_message_hook([this] { log.add_desktop_access(); });
  }

  MainContext context() {
    return {desktop, prompts, translator,   windows,      hotkey,          settings,
            folders, screen,  start_switch, restore_undo, language_chooser};
  }
  std::string profile_file(const std::string& name) const { return profile_file_name(folders.data, name); }

  orvx::test::TempFolder temp;
  CallLog log;
  icons::MemoryDesktop desktop{{{"Papierkorb", {20, 10}}, {"Arbeitsplatz", {20, 90}}}};
  LoggingPrompts prompts{log};
  WindowRegistry windows;
  lang::Translator translator{windows};
  RecordingRegistrar registrar{log};
  SaveHotkey hotkey{registrar, prompts, [this] { return translator.message(message_ids::kHotkeyNotRegistered); }};
  LoggedReporter reporter{log};
  config::SettingsRecord settings;
  DataFolders folders;
  ScreenMeasures screen{{1920, 1080}, 1};
  RecordingWindow window{log, screen};
  StartSwitch start_switch = StartSwitch::kNormal;
  RestoreUndo restore_undo;
  lang_online::ChooserOffer language_chooser;
};

}  // namespace orvx::mainwin::test
