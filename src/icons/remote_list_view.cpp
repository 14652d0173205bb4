#include "icons/remote_list_view.h"

#include <algorithm>
#include <array>

#include "icons/list_view_layouts.h"
#include "icons/list_view_messages.h"

namespace orvx::icons {

using namespace layout;

RemoteListView::RemoteListView(std::unique_ptr<ListViewChannel> channel)
    : channel_(std::move(channel)), base_(channel_->buffer_address()) {}

int RemoteListView::item_count() { return channel_->send(lvm::kGetItemCount, 0, 0); }

void RemoteListView::use_item_read_records() {
  if (records_ == Records::item_read) return;
  const ItemRecord record = MakeItemRecord(base_ + kItemText);
  channel_->write(base_, record.data(), record.size());
  records_ = Records::item_read;
}

void RemoteListView::use_batch_read_records() {
  if (records_ == Records::batch_read) return;
  std::array<uint8_t, kBatchPoints> records{};
  for (int slot = 0; slot < kBatchSlots; ++slot) {
    const ItemRecord record = MakeItemRecord(base_ + BatchText(slot));
    std::copy(record.begin(), record.end(), records.begin() + BatchRecord(slot));
  }
  channel_->write(base_, records.data(), records.size());
  records_ = Records::batch_read;
}

std::string RemoteListView::item_caption(int index) {
  use_item_read_records();
  const uint32_t length = UsableTextLength(channel_->send(lvm::kGetItemTextA, index, base_));
  std::array<uint8_t, kTextCapacity + 1> text{};
  channel_->read(base_ + kItemText, text.data(), length + 1);
  return CaptionFromText(text.data(), length);
}

IconPoint RemoteListView::item_position(int index) {
  use_item_read_records();
  const std::array<uint8_t, kPointSize> zero{};
  channel_->write(base_ + kItemText, zero.data(), zero.size());
  channel_->send(lvm::kGetItemPosition, index, base_ + kItemText);
  std::array<uint8_t, kPointSize> point{};
  channel_->read(base_ + kItemText, point.data(), point.size());
  return {GetInt32(&point[0]), GetInt32(&point[4])};
}

void RemoteListView::read_items(int first, std::span<TDesktopIconInfo> out) {
  use_batch_read_records();
  for (size_t done = 0; done < out.size(); done += kBatchSlots) {
    const size_t round = std::min<size_t>(kBatchSlots, out.size() - done);
    read_round(first + static_cast<int>(done), out.subspan(done, round));
  }
}

void RemoteListView::read_round(int first, std::span<TDesktopIconInfo> out) {
  const int slots = static_cast<int>(out.size());
  const std::array<uint8_t, kBatchSlots * kPointSize> zero{};
  channel_->write(base_ + kBatchPoints, zero.data(), slots * kPointSize);

  std::array<uint32_t, kBatchSlots> lengths{};
  for (int slot = 0; slot < slots; ++slot) {
    const uint32_t index = first + slot;
    lengths[slot] = UsableTextLength(channel_->send(lvm::kGetItemTextA, index, base_ + BatchRecord(slot)));
    channel_->send(lvm::kGetItemPosition, index, base_ + BatchPoint(slot));
  }

  // One copy from the first POINT to the end of the last caption.
  std::array<uint8_t, kBatchEnd - kBatchPoints> region{};
  const uint32_t last = slots - 1;
  channel_->read(base_ + kBatchPoints, region.data(), BatchText(last) + lengths[last] + 1 - kBatchPoints);
  for (int slot = 0; slot < slots; ++slot) {
    const uint8_t* point = &region[BatchPoint(slot) - kBatchPoints];
    out[slot].Caption = CaptionFromText(&region[BatchText(slot) - kBatchPoints], lengths[slot]);
    out[slot].X = GetInt32(point);
    out[slot].Y = GetInt32(point + 4);
  }
}

int RemoteListView::find_item(std::string_view caption) {
  const FindBlock block = MakeFindBlock(base_, caption);
  channel_->write(base_, block.data(), block.size());
  records_ = Records::find;
  return channel_->send(lvm::kFindItemA, static_cast<uint32_t>(-1), base_);
}

void RemoteListView::set_item_position(int index, uint32_t packed_position) {
  channel_->send(lvm::kSetItemPosition, index, packed_position);
}

}  // namespace orvx::icons
