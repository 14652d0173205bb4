// A backup of ours is read by the independent reader, and one written by the
// independent writer is imported.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backup/container_peer.h"
#include "backup_flow_fixture.h"
#include "settings_backup/settings_export.h"
#include "settings_backup/settings_import.h"

namespace orvx::settings_backup {
namespace {

using test::Tree;

const Tree& settings_files() {
  static const Tree kTree = {
      {"config.qcf", "[Settings]\r\nstd_profil=Arbeit\r\n"},
      {"ORV - 1280x1024.qpf", test::text_of(40000, 3)},
      {"Grüße.qpf", test::text_of(2047, 9)},
      {"empty.qpf", ""},
      {"noise.bin", test::noise_of(5000, 11)},
  };
  return kTree;
}

using SettingsBackupInterop = test::BackupFlow;

TEST_F(SettingsBackupInterop, ThePeerReadsOurExport) {
  test::write_tree(data() + files::kSeparator, settings_files());
  ExportResult result = export_settings(data(), backups(), {2024, 12, 9, 14, 5, 33}, status_, prompts_, lang_);
  ASSERT_TRUE(result.created);
  // The peer also checks each stream against zlib's default level.
  test::PeerResult r = test::run_peer({"unpack", result.path, dir_ / "peer", "--level", "-1"});
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(test::read_tree(dir_ / "peer" + files::kSeparator), settings_files());
}

TEST_F(SettingsBackupInterop, WeImportWhatThePeerWrites) {
  test::write_tree(dir_ / "then/", settings_files());
  test::PeerResult r = test::run_peer({"pack", dir_ / "then", backup_file("peer.qbk"), "--flat"});
  ASSERT_EQ(r.status, 0) << r.output;
  test::write_tree(data() + files::kSeparator, {{"config.qcf", "today"}, {"later.qpf", "stays"}});
  ImportResult result = import_settings(backup_file("peer.qbk"), data(), status_, prompts_, lang_);
  ASSERT_TRUE(result.reread_settings) << result.error;
  Tree expected = settings_files();
  expected["later.qpf"] = "stays";
  EXPECT_EQ(data_tree(), expected);
}

}  // namespace
}  // namespace orvx::settings_backup
