// The save hotkey `save_hotkey`: registration, changes, failures and retries,
// over a registrar that records what the system would be asked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwin/save_hotkey.h"
#include "support/flow_world.h"
#include "platform/message_ids.h"

namespace orvx::mainwin {
namespace {

using Log = std::vector<std::string>;
using test::FlowWorld;

config::Shortcut shortcut(const char* text) { return config::text_to_shortcut(text); }

TEST(Hotkey, ConfigurationSequences) {
  struct Step {
    bool enabled;
    const char* combination;
    Log log;  // what this step asks of the system and the user
    bool registered;
  };
  struct Case {
    const char* what;
    std::vector<std::string> taken;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"first activation registers once, without a message", {}, {{true, "Strg+Alt+D", {"register Strg+Alt+D"}, true}}},
      {"the same settings again leave the registration alone",
       {},
       {{true, "Strg+Alt+D", {"register Strg+Alt+D"}, true}, {true, "Strg+Alt+D", {}, true}}},
      {"a new combination unregisters the old one first",
       {},
       {{true, "Strg+Alt+D", {"register Strg+Alt+D"}, true},
        {true, "Umsch+Strg+F5", {"unregister", "register Umsch+Strg+F5"}, true}}},
      {"deactivating unregisters",
       {},
       {{true, "Strg+Alt+D", {"register Strg+Alt+D"}, true}, {false, "Strg+Alt+D", {"unregister"}, false}}},
      {"inactive, nothing is registered and nothing said",
       {},
       {{false, "Strg+Alt+D", {}, false}, {false, "Alt+X", {}, false}}},
      {"a combination another program holds: MSDLG_1, and a retry at the next activation",
       {"Strg+Alt+D"},
       {{true, "Strg+Alt+D", {"register Strg+Alt+D", "message MSDLG_1"}, false},
        {true, "Strg+Alt+D", {"register Strg+Alt+D", "message MSDLG_1"}, false},
        {true, "Alt+X", {"register Alt+X"}, true}}},
      {"an active hotkey without a key cannot be registered: MSDLG_1", {}, {{true, "", {"message MSDLG_1"}, false}}},
      {"the old combination being held elsewhere is no failure when a new one is set",
       {"Strg+Alt+D"},
       {{false, "Strg+Alt+D", {}, false}, {true, "Alt+X", {"register Alt+X"}, true}}},
  };
  for (const Case& c : cases) {
    FlowWorld w;
    w.registrar.taken.insert(c.taken.begin(), c.taken.end());
    for (size_t i = 0; i < c.steps.size(); ++i) {
      const Step& step = c.steps[i];
      w.log.entries.clear();
      w.hotkey.configure(step.enabled, shortcut(step.combination));
      EXPECT_EQ(w.log.entries, step.log) << c.what << ", step " << i;
      EXPECT_EQ(w.hotkey.registered(), step.registered) << c.what << ", step " << i;
      EXPECT_EQ(w.hotkey.enabled(), step.enabled);
      EXPECT_EQ(w.hotkey.shortcut(), shortcut(step.combination));
    }
  }
}

TEST(Hotkey, GoingAwayUnregistersWhatIsRegistered) {
  test::CallLog log;
  test::LoggingPrompts prompts(log);
  test::RecordingRegistrar registrar(log);
  {
    SaveHotkey unused(registrar, prompts, [] { return std::string(message_ids::kHotkeyNotRegistered.text()); });
    SaveHotkey registered(registrar, prompts, [] { return std::string(message_ids::kHotkeyNotRegistered.text()); });
    registered.configure(true, shortcut("Alt+F12"));
  }
  EXPECT_EQ(log.entries, (Log{"register Alt+F12", "unregister"}));
}

}  // namespace
}  // namespace orvx::mainwin
