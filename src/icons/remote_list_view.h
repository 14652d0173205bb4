#pragma once
// The icon view of a list view in another process, over a ListViewChannel
// and its buffer (layouts in list_view_layouts.h). Lives for one access
// cycle; the channel owns the buffer and releases it when the view goes.
//
// Copies between the processes, per item:
//   item_caption + item_position   three (the caption, the zeroed POINT,
//                                  the POINT), two messages
//   read_items                     about 1/6: one zeroing write and one read
//                                  per round of 12 items (11 in a 64-bit
//                                  view), two messages each
//   find_item                      one write of the find block, one message
// Results are the same either way: captions cut to 254 characters, an
// empty caption when the text query fails, (0, 0) when the position query
// fails.
//
// A message the view does not answer in time (the channel's send yields
// nothing) ends the conversation: the view counts as unreachable for the
// rest of the cycle (stopped_answering()), nothing more is sent or copied,
// and every call reads as empty and moves nothing.
#include <memory>
#include <vector>

#include "icons/icon_view.h"
#include "icons/list_view_channel.h"
#include "icons/list_view_layouts.h"

namespace orvx::icons {

class RemoteListView final : public IconView {
 public:
  // `layout` is that of the view behind the channel.
  RemoteListView(std::unique_ptr<ListViewChannel> channel, const layout::ListViewLayout& layout);

  int item_count() override;
  std::string item_caption(int index) override;
  IconPoint item_position(int index) override;
  void read_items(int first, std::span<DesktopIcon> out) override;
  int find_item(std::string_view caption) override;
  void set_item_position(int index, uint32_t packed_position) override;
  bool stopped_answering() const override { return stopped_answering_; }

 private:
  // What the records at the start of the buffer are set up for; each
  // layout's records are written once, when a cycle first needs them.
  enum class Records { kNone, kItemRead, kBatchRead, kFind };
  void use_item_read_records();
  void use_batch_read_records();
  void read_round(int first, std::span<DesktopIcon> out, std::vector<uint8_t>& region);
  // The channel's calls, and nothing once the view has stopped answering;
  // send yields 0 then.
  int32_t send(uint32_t message, uint64_t wparam, uint64_t lparam);
  void write(uint64_t address, const void* data, size_t count);
  void read(uint64_t address, void* into, size_t count);

  std::unique_ptr<ListViewChannel> channel_;
  const layout::ListViewLayout& layout_;
  uint64_t base_;
  Records records_ = Records::kNone;
  bool stopped_answering_ = false;
};

}  // namespace orvx::icons
