#pragma once
// `load_settings`: fills the settings record from config.qcf in the data
// folder and applies it to the main window, in this order: the auto-save
// timer, the hotkey (activation and combination together, see hotkey.h), the
// language (the lang folder's file for "lang_list" when there is one;
// otherwise the record's lang_list is emptied and the texts stay as they
// are), and the Minidesk state.
//
// Runs while the main window is created, at each show of it, after the
// settings dialog's Save and after the language chooser.
#include "app/main_context.h"
#include "app/window_ops.h"

namespace orvx::app {

void load_settings(const MainContext& context, SettingsOps& window);

}  // namespace orvx::app
