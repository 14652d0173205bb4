#pragma once
// A data folder, a place for backups, the status strip and the prompts as
// recorders, and the messages in the built-in German.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "backup/container_fixture.h"
#include "lang/translator.h"
#include "platform/files.h"
#include "settings_backup/backup_status.h"
#include "support/paths.h"
#include "support/recording_reporter.h"
#include "support/scripted_prompts.h"

namespace orvx::test {

// Records the strip's calls as "started", "file NAME", "P/T", "ended ok",
// "ended", "closed". `on_file` runs at every file, to provoke failures.
class RecordingStatus : public settings_backup::BackupStatus {
 public:
  std::vector<std::string> calls;
  std::function<void(const std::string& path)> on_file;

  void started() override { calls.push_back("started"); }
  void file(const std::string& path) override {
    calls.push_back("file " + files::name_of(path));
    if (on_file) on_file(path);
  }
  void progress(int32_t position, int32_t total) override {
    calls.push_back(std::to_string(position) + "/" + std::to_string(total));
  }
  void work_ended(bool ok) override { calls.push_back(ok ? "ended ok" : "ended"); }
  void closed() override { calls.push_back("closed"); }
};

class BackupFlow : public ::testing::Test {
 protected:
  std::string data() const { return dir_ / "data"; }
  std::string data_file(const std::string& name) const { return dir_ / "data" + files::kSeparator + name; }
  std::string backups() const { return dir_ / "backups"; }
  std::string backup_file(const std::string& name) const { return dir_ / "backups" + files::kSeparator + name; }
  void SetUp() override {
    ASSERT_TRUE(files::create_folder(data()));
    ASSERT_TRUE(files::create_folder(backups()));
  }
  Tree data_tree() const { return read_tree(data() + files::kSeparator); }
  Tree backups_tree() const { return read_tree(backups() + files::kSeparator); }
  std::vector<std::string> shown() const {
    std::vector<std::string> texts;
    for (const auto& s : prompts_.shown) texts.push_back(s.kind + ": " + s.text);
    return texts;
  }

  TempFolder dir_;
  RecordingStatus status_;
  ScriptedPrompts prompts_;
  RecordingReporter reporter_;
  WindowRegistry windows_;
  lang::Translator lang_{windows_};
};

}  // namespace orvx::test
