#pragma once
// The state of the main window's unit and the components the flows use. The
// main window owns every part for the whole run; the context only refers to
// them.
#include "profiles/data_folders.h"
#include "mainwin/save_hotkey.h"
#include "mainwin/start_switch.h"
#include "config/settings.h"
#include "icons/desktop_access.h"
#include "lang/translator.h"
#include "lang/named_components.h"
#include "lang_online/language_chooser.h"
#include "platform/prompts.h"
#include "profiles/profile_session.h"
#include "profiles/restore_undo.h"

namespace orvx::mainwin {

struct MainContext {
  icons::DesktopAccess& desktop;
  Prompts& prompts;
  lang::Translator& translator;
  // The windows that exist: the language template is written from them.
  WindowRegistry& windows;
  SaveHotkey& save_hotkey;
  config::SettingsRecord& settings;  // filled by load_settings
  DataFolders& folders;              // set by start-up step 3
  ScreenMeasures& screen;            // measured by update_layout
  StartSwitch start_switch;
  RestoreUndo& restore_undo;  // the arrangement the latest restore replaced
  // Whether the first-start language chooser was offered in this run.
  lang_online::ChooserOffer& language_chooser;

  ProfileSession profiles() const { return {desktop, prompts, translator, folders, screen, restore_undo}; }
};

}  // namespace orvx::mainwin
