#include "icons/remote_list_view.h"

#include <algorithm>
#include <array>

#include "icons/list_view_messages.h"

namespace orvx::icons {

using namespace layout;

RemoteListView::RemoteListView(std::unique_ptr<ListViewChannel> channel, const ListViewLayout& layout)
    : channel_(std::move(channel)), layout_(layout), base_(channel_->buffer_address()) {}

int32_t RemoteListView::send(uint32_t message, uint64_t wparam, uint64_t lparam) {
  if (stopped_answering_) return 0;
  const std::optional<int32_t> result = channel_->send(message, wparam, lparam);
  if (!result) stopped_answering_ = true;
  return result.value_or(0);
}

void RemoteListView::write(uint64_t address, const void* data, size_t count) {
  if (!stopped_answering_) channel_->write(address, data, count);
}

void RemoteListView::read(uint64_t address, void* into, size_t count) {
  if (!stopped_answering_) channel_->read(address, into, count);
}

int RemoteListView::item_count() { return send(lvm::kGetItemCount, 0, 0); }

void RemoteListView::use_item_read_records() {
  if (records_ == Records::kItemRead) return;
  const std::vector<uint8_t> record = make_item_record(layout_, base_ + layout_.item_text());
  write(base_, record.data(), record.size());
  records_ = Records::kItemRead;
}

void RemoteListView::use_batch_read_records() {
  if (records_ == Records::kBatchRead) return;
  std::vector<uint8_t> records(layout_.batch_points(), 0);
  for (int slot = 0; slot < layout_.batch_slots; ++slot) {
    const std::vector<uint8_t> record = make_item_record(layout_, base_ + layout_.batch_text(slot));
    std::copy(record.begin(), record.end(), records.begin() + layout_.batch_record(slot));
  }
  write(base_, records.data(), records.size());
  records_ = Records::kBatchRead;
}

std::string RemoteListView::item_caption(int index) {
  use_item_read_records();
  const uint32_t length = usable_text_length(send(lvm::kGetItemTextA, index, base_));
  std::array<uint8_t, kTextCapacity + 1> text{};
  read(base_ + layout_.item_text(), text.data(), length + 1);
  return caption_from_text(text.data(), length);
}

IconPoint RemoteListView::item_position(int index) {
  use_item_read_records();
  const uint64_t point_address = base_ + layout_.item_text();
  const std::array<uint8_t, kPointSize> zero{};
  write(point_address, zero.data(), zero.size());
  send(lvm::kGetItemPosition, index, point_address);
  std::array<uint8_t, kPointSize> point{};
  read(point_address, point.data(), point.size());
  return {get_int32(&point[0]), get_int32(&point[4])};
}

void RemoteListView::read_items(int first, std::span<DesktopIcon> out) {
  use_batch_read_records();
  std::vector<uint8_t> region(layout_.batch_end() - layout_.batch_points());
  const size_t slots = layout_.batch_slots;
  for (size_t done = 0; done < out.size(); done += slots) {
    const size_t round = std::min(slots, out.size() - done);
    read_round(first + static_cast<int>(done), out.subspan(done, round), region);
  }
}

void RemoteListView::read_round(int first, std::span<DesktopIcon> out, std::vector<uint8_t>& region) {
  const int slots = static_cast<int>(out.size());
  const uint32_t points = layout_.batch_points();
  std::fill_n(region.begin(), slots * kPointSize, 0);
  write(base_ + points, region.data(), slots * kPointSize);

  std::vector<uint32_t> lengths(slots);
  for (int slot = 0; slot < slots; ++slot) {
    const int index = first + slot;
    lengths[slot] = usable_text_length(send(lvm::kGetItemTextA, index, base_ + layout_.batch_record(slot)));
    send(lvm::kGetItemPosition, index, base_ + layout_.batch_point(slot));
  }

  // One copy from the first POINT to the end of the last caption.
  const int last = slots - 1;
  read(base_ + points, region.data(), layout_.batch_text(last) + lengths[last] + 1 - points);
  for (int slot = 0; slot < slots; ++slot) {
    const uint8_t* point = &region[layout_.batch_point(slot) - points];
    out[slot].caption = caption_from_text(&region[layout_.batch_text(slot) - points], lengths[slot]);
    out[slot].x = get_int32(point);
    out[slot].y = get_int32(point + 4);
  }
}

int RemoteListView::find_item(std::string_view caption) {
  const std::vector<uint8_t> block = make_find_block(layout_, base_, caption);
  write(base_, block.data(), block.size());
  records_ = Records::kFind;
  // From the first item on: the start index is -1.
  const int32_t index = send(lvm::kFindItemA, ~uint64_t{0}, base_);
  return stopped_answering_ ? -1 : index;
}

void RemoteListView::set_item_position(int index, uint32_t packed_position) {
  send(lvm::kSetItemPosition, index, packed_position);
}

}  // namespace orvx::icons
