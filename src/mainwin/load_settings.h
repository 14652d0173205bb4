#pragma once
// `load_settings`: fills the settings record from config.qcf in the data
// folder and applies it to the main window, in this order: the auto-save
// timer, the hotkey (activation and combination together, see save_hotkey.h), the
// language (the lang folder's file for "lang_list" when there is one;
// otherwise the record's lang_list is emptied and the texts stay as they
// are), and the Minidesk state.
//
// Runs while the main window is created, at each show of it, after the
// settings dialog's Save and after the language chooser.
#include <string>

#include "mainwin/main_context.h"
#include "mainwin/window_ops.h"
#include "config/settings.h"
#include "config/shortcut_text.h"

namespace orvx::mainwin {

// What the main window applies when it loads the settings.
struct LoadedSettings {
  // The record as read, except that lang_list is empty when the lang folder
  // has no file for it (the file keeps its value until the next save).
  config::SettingsRecord record;
  // HotKey_value read as shortcut text; empty when it names no key.
  config::Shortcut hotkey;
  // The language file to load; empty for the built-in German texts.
  std::string language_file;
};

// Reads config.qcf of the data folder and resolves the hotkey and the
// language file (names compared without regard to case in the lang folder).
LoadedSettings load_settings_data(const std::string& data_folder);

void load_settings(const MainContext& context, SettingsOps& window);

}  // namespace orvx::mainwin
