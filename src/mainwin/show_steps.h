#pragma once
// What runs each time the main window is shown (at the start, after a click
// on the notification-area icon, after the settings dialog or the about box):
//  1. load_settings. When it fails, step 2 still runs and step 3 does not;
//     the failure goes to the general error handling at the end.
//  2. "/dev": the texts of the main window, the about box, the settings
//     dialog and the error list window, in this order, are written into the
//     language template, and the application ends.
//  3. The first-start language question: settled ("lang_menu" = 1) when it
//     was settled before or the user's language is German; otherwise the
//     language chooser is offered - once per run, so that it does not come
//     back at every later show when it was left unanswered.
#include <cstdint>
#include <string>

#include "mainwin/main_context.h"
#include "mainwin/window_ops.h"

namespace orvx::mainwin {

// German (Germany), German (Switzerland), German (Austria).
bool is_german_language_id(uint16_t language_id);

// `template_path`: where "/dev" writes the template.
void run_show_steps(const MainContext& context, MainWindowOps& window,
                    const std::string& template_path = lang::kTemplatePath);

}  // namespace orvx::mainwin
