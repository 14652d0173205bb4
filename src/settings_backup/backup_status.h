#pragma once
// What the export and the import tell the settings dialog while they run:
// the dialog shows it in its status strip (the label with the file's name,
// the progress gauge) and by its cursor. The calls come on the calling
// thread, in this order: started, then file and progress for every file,
// work_ended, the result message, closed.
#include <cstdint>
#include <string>

namespace orvx::settings_backup {

class BackupStatus {
 public:
  virtual ~BackupStatus() = default;

  // Show the strip with an empty label and the gauge at 0; hourglass cursor.
  virtual void started() = 0;
  // A file is being packed or unpacked: its full path (the label shows the
  // bare name). Repaint at once.
  virtual void file(const std::string& path) = 0;
  // Bytes of the current file done so far and its size; starts again at 0
  // with every file. Repaint at once.
  virtual void progress(int32_t position, int32_t total) = 0;
  // The work is over: normal cursor. With `ok`, the gauge goes to 0 and the
  // label says "OK".
  virtual void work_ended(bool ok) = 0;
  // The result message has been closed: hide the strip.
  virtual void closed() = 0;
};

}  // namespace orvx::settings_backup
