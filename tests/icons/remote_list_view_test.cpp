// The list view access over the buffer, against an emulated list view in a
// block of bytes. The emulation reads the records where Windows' list view
// of each pointer width reads them, written down here from the Windows
// headers apart from list_view_layouts.h, and writes texts and POINTs the way
// the real view does. Every read path, the find and the move run over both
// layouts; a layout with one field off must fail them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "icons/icon_operations.h"
#include "icons/list_view_channel.h"
#include "icons/list_view_layouts.h"
#include "icons/remote_list_view.h"
#include "support/desktop_icon_rows.h"

namespace orvx::icons {
namespace {

using layout::ListViewLayout;
using test::rows;

// Where a list view of one pointer width reads its records.
struct ViewAbi {
  const char* name;
  uint32_t pointer_size;
  uint32_t item_text_pointer;  // LVITEMA::pszText
  uint32_t item_capacity;      // LVITEMA::cchTextMax
  uint32_t item_fields_end;    // offsetof(LVITEMA, iGroupId): what a text query touches
  uint32_t item_full_size;     // Vista's sizeof(LVITEMA): what a later view may read
  uint32_t find_text;          // LVFINDINFOA::psz (flags at 0)
  uint32_t find_size;          // sizeof(LVFINDINFOA)
  uint64_t base;               // where the buffer lies in the view's process
};

// The 64-bit buffer lies above 4 GiB, so that an address cut to 32 bits
// points nowhere.
constexpr ViewAbi kView32{"View32", 4, 20, 24, 40, 60, 4, 24, 0x00A40000};
constexpr ViewAbi kView64{"View64", 8, 24, 32, 52, 88, 8, 40, 0x000007FF12340000};

struct EmulatedItem {
  std::string caption;
  int32_t x = 0;
  int32_t y = 0;
  bool text_fails = false;      // LVM_GETITEMTEXTA returns 0, writes nothing
  bool position_fails = false;  // LVM_GETITEMPOSITION writes nothing
};

struct Traffic {
  int writes = 0;
  int reads = 0;
  int messages = 0;
  // A hung view: once this many messages are answered, the view answers
  // none (the message times out); -1 for a view that never hangs.
  int answers_left = -1;
  int unanswered = 0;
};

class EmulatedListView final : public ListViewChannel {
 public:
  EmulatedListView(const ViewAbi& abi, std::vector<EmulatedItem>& items, Traffic& traffic,
                   std::vector<std::string>& faults)
      : abi_(abi), items_(items), traffic_(traffic), faults_(faults), memory_(layout::kBufferSize, 0xCD) {}

  uint64_t buffer_address() const override { return abi_.base; }

  void write(uint64_t address, const void* data, size_t count) override {
    ++traffic_.writes;
    // Records are set up afresh from the start of the buffer.
    if (address == abi_.base) records_.clear();
    if (uint8_t* to = at(address, count, "write")) std::memcpy(to, data, count);
  }
  void read(uint64_t address, void* into, size_t count) override {
    ++traffic_.reads;
    if (const uint8_t* from = at(address, count, "read")) std::memcpy(into, from, count);
  }

  std::optional<int32_t> send(uint32_t message, uint64_t wparam, uint64_t lparam) override {
    if (traffic_.answers_left == 0) {
      ++traffic_.unanswered;
      return std::nullopt;
    }
    if (traffic_.answers_left > 0) --traffic_.answers_left;
    return answer(message, wparam, lparam);
  }

 private:
  int32_t answer(uint32_t message, uint64_t wparam, uint64_t lparam) {
    ++traffic_.messages;
    const int index = static_cast<int32_t>(wparam);
    const bool valid = index >= 0 && index < static_cast<int>(items_.size());
    switch (message) {
      case 0x1004:  // LVM_GETITEMCOUNT
        return static_cast<int32_t>(items_.size());
      case 0x102D: {  // LVM_GETITEMTEXTA
        if (!take_record(lparam)) return 0;
        const uint64_t text = pointer(lparam + abi_.item_text_pointer);
        const int32_t capacity = static_cast<int32_t>(u32(lparam + abi_.item_capacity));
        if (capacity <= 0 || capacity > 4096) return fault("text capacity " + std::to_string(capacity));
        uint8_t* field = at(text, capacity, "text field");
        if (!field) return 0;
        if (text < lparam + abi_.item_fields_end && lparam < text + capacity)
          return fault("the text field overlaps its record");
        if (!valid || items_[index].text_fails) return 0;
        const std::string& caption = items_[index].caption;
        const size_t n = std::min<size_t>(caption.size(), capacity - 1);
        std::memcpy(field, caption.data(), n);
        field[n] = 0;
        return static_cast<int32_t>(n);
      }
      case 0x1010: {  // LVM_GETITEMPOSITION
        for (uint64_t record : records_)
          if (lparam < record + abi_.item_fields_end && record < lparam + layout::kPointSize)
            return fault("a POINT overlaps a record");
        uint8_t* point = at(lparam, layout::kPointSize, "POINT");
        if (!point || !valid || items_[index].position_fails) return 0;
        std::memcpy(point, &items_[index].x, 4);
        std::memcpy(point + 4, &items_[index].y, 4);
        return 1;
      }
      case 0x100D: {  // LVM_FINDITEMA from the first item
        if (index != -1) return fault("find does not start before the first item", -1);
        if (!at(lparam, abi_.find_size, "find record")) return -1;
        if (u32(lparam) != 0x0002) return fault("find flags are not LVFI_STRING", -1);
        const uint64_t psz = pointer(lparam + abi_.find_text);
        if (psz < lparam + abi_.find_size && lparam < psz + 1) return fault("the caption overlaps the record", -1);
        const std::string wanted = c_string(psz);
        for (size_t i = 0; i < items_.size(); ++i)
          if (fold(items_[i].caption) == fold(wanted)) return static_cast<int32_t>(i);
        return -1;
      }
      case 0x100F:  // LVM_SETITEMPOSITION
        if (!valid) return 0;
        items_[index].x = static_cast<int16_t>(lparam & 0xFFFF);
        items_[index].y = static_cast<int16_t>(lparam >> 16);
        return 1;
      default:
        return fault("unexpected message " + std::to_string(message));
    }
  }

  // Notes what a real view would have done wrong, and answers `result`.
  int32_t fault(const std::string& what, int32_t result = 0) {
    faults_.push_back(what);
    return result;
  }
  // A record handed to the view: inside the buffer, and no other record
  // within reach of the longest LVITEMA a view may read.
  bool take_record(uint64_t record) {
    if (!at(record, abi_.item_fields_end, "item record")) return false;
    for (uint64_t other : records_)
      if (other != record && other < record + abi_.item_full_size && record < other + abi_.item_full_size)
        return fault("records within reach of each other") != 0;
    records_.insert(record);
    return true;
  }
  uint8_t* at(uint64_t address, size_t count, const char* what) {
    // Every access must stay inside the reserved buffer.
    if (address < abi_.base || address - abi_.base + count > memory_.size()) {
      std::ostringstream text;
      text << what << " outside the buffer at offset " << static_cast<int64_t>(address - abi_.base);
      fault(text.str());
      return nullptr;
    }
    return &memory_[address - abi_.base];
  }
  uint32_t u32(uint64_t address) {
    const uint8_t* p = at(address, 4, "field");
    return p ? layout::get_uint32(p) : 0;
  }
  uint64_t pointer(uint64_t address) {
    const uint8_t* p = at(address, abi_.pointer_size, "pointer");
    uint64_t value = 0;
    for (uint32_t i = 0; p && i < abi_.pointer_size; ++i) value |= uint64_t{p[i]} << (8 * i);
    return value;
  }
  std::string c_string(uint64_t address) {
    const char* begin = reinterpret_cast<const char*>(at(address, 1, "caption"));
    if (!begin) return {};
    const char* end = reinterpret_cast<const char*>(memory_.data() + memory_.size());
    return std::string(begin, std::find(begin, end, '\0'));
  }
  static std::string fold(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }

  const ViewAbi& abi_;
  std::vector<EmulatedItem>& items_;
  Traffic& traffic_;
  std::vector<std::string>& faults_;
  std::vector<uint8_t> memory_;
  std::set<uint64_t> records_;
};

// The emulated view as a desktop: each cycle gets a fresh buffer full of
// junk (0xCD), as a fresh reservation may be.
class EmulatedDesktop final : public DesktopAccess {
 public:
  EmulatedDesktop(const ViewAbi& abi, const ListViewLayout& layout) : abi_(abi), layout_(layout) {}

  std::vector<EmulatedItem> items;
  Traffic traffic;
  std::vector<std::string> faults;

  ArrangementModes arrangement_modes() override { return {}; }
  void snap_to_grid() override {}

 protected:
  std::unique_ptr<IconView> open_view() override {
    return std::make_unique<RemoteListView>(std::make_unique<EmulatedListView>(abi_, items, traffic, faults), layout_);
  }

 private:
  const ViewAbi& abi_;
  const ListViewLayout& layout_;
};

std::vector<EmulatedItem> numbered_items(int n) {
  std::vector<EmulatedItem> items;
  for (int i = 0; i < n; ++i)
    items.push_back({"Icon " + std::string(i % 7, 'x') + std::to_string(i), 10 * i - 300, 7 * i, false, false});
  return items;
}

DesktopIcons expected(const std::vector<EmulatedItem>& items) {
  DesktopIcons expected;
  for (const EmulatedItem& item : items)
    expected.push_back({item.text_fails ? "" : item.caption.substr(0, 254), item.position_fails ? 0 : item.x,
                        item.position_fails ? 0 : item.y});
  return expected;
}

// Both ways of reading (one item at a time, and in rounds) give the same.
DesktopIcons read_one_by_one(DesktopAccess& desktop) {
  IconCycle cycle = desktop.open_cycle();
  DesktopIcons icons;
  for (int i = 0, n = cycle.view().item_count(); i < n; ++i) {
    const IconPoint p = cycle.view().item_position(i);
    icons.push_back({cycle.view().item_caption(i), p.x, p.y});
  }
  return icons;
}

// A view of one width and the layout the access uses for it.
struct Pairing {
  const ViewAbi* view;
  const ListViewLayout* layout;
};

class RemoteListViewTest : public testing::TestWithParam<Pairing> {
 protected:
  EmulatedDesktop desktop_{*GetParam().view, *GetParam().layout};
  void TearDown() override { EXPECT_THAT(desktop_.faults, testing::IsEmpty()); }
};

std::string pairing_name(const testing::TestParamInfo<Pairing>& info) { return info.param.view->name; }

INSTANTIATE_TEST_SUITE_P(BothWidths, RemoteListViewTest,
                         testing::Values(Pairing{&kView32, &layout::k32Bit}, Pairing{&kView64, &layout::k64Bit}),
                         pairing_name);

TEST_P(RemoteListViewTest, ReadsEveryItemAcrossRounds) {
  for (int n : {0, 1, 10, 11, 12, 13, 25, 100}) {
    desktop_.items = numbered_items(n);
    auto icons = read_desktop_icons(desktop_);
    ASSERT_TRUE(icons);
    EXPECT_EQ(rows(*icons), rows(expected(desktop_.items))) << n << " items";
    EXPECT_EQ(rows(read_one_by_one(desktop_)), rows(expected(desktop_.items))) << n << " items";
  }
}

TEST_P(RemoteListViewTest, FailedQueriesYieldEmptyCaptionAndOrigin) {
  // The failing items follow readable ones, so the slots they would be read
  // from hold the previous item's caption and position.
  desktop_.items = numbered_items(30);
  for (int i : {1, 11, 12, 13, 29}) desktop_.items[i].position_fails = true;
  for (int i : {2, 11, 13, 22, 24}) desktop_.items[i].text_fails = true;
  auto icons = read_desktop_icons(desktop_);
  ASSERT_TRUE(icons);
  EXPECT_EQ(rows(*icons), rows(expected(desktop_.items)));
  EXPECT_EQ(rows(read_one_by_one(desktop_)), rows(expected(desktop_.items)));
}

TEST_P(RemoteListViewTest, CaptionsAreCutTo254Characters) {
  desktop_.items = {
      {std::string(300, 'L'), 1, 2}, {"short", 3, 4}, {std::string(254, 'M'), 5, 6}, {std::string(255, 'N'), 7, 8}};
  auto icons = read_desktop_icons(desktop_);
  ASSERT_TRUE(icons);
  EXPECT_EQ((*icons)[0].caption, std::string(254, 'L'));
  EXPECT_EQ((*icons)[1].caption, "short");
  EXPECT_EQ((*icons)[2].caption, std::string(254, 'M'));
  EXPECT_EQ((*icons)[3].caption, std::string(254, 'N'));
  EXPECT_EQ(rows(read_one_by_one(desktop_)), rows(*icons));
}

TEST_P(RemoteListViewTest, ReadingInRoundsCopiesTwicePerRound) {
  // Two copies per round (zero the POINTs, fetch everything) and the
  // records once: the reason read_items exists.
  desktop_.items = numbered_items(500);
  ASSERT_TRUE(read_desktop_icons(desktop_));
  const int slots = GetParam().layout->batch_slots;
  const int rounds = (500 + slots - 1) / slots;
  EXPECT_EQ(desktop_.traffic.writes, 1 + rounds);
  EXPECT_EQ(desktop_.traffic.reads, rounds);
  EXPECT_EQ(desktop_.traffic.messages, 1 + 2 * 500);
}

TEST_P(RemoteListViewTest, RestoreFindsByCaptionThroughTheFindBlock) {
  desktop_.items = {{"Papierkorb", 0, 0}, {"Arbeitsplatz", 0, 0}, {"A", 0, 0}, {"Papierkorb", 0, 0}};
  // A long caption first, then a short one: the short one must not be
  // followed by the rest of the long one.
  restore_desktop_icons(
      desktop_,
      {{"ARBEITSPLATZ", 40000, -1200}, {"a", 5, 6}, {"papierkorb", 1, 1}, {"Papierkorb", 2, 2}, {"Missing", 9, 9}});
  EXPECT_EQ(desktop_.items[0].x, 2);
  EXPECT_EQ(desktop_.items[1].x, -25536);
  EXPECT_EQ(desktop_.items[1].y, -1200);
  EXPECT_EQ(desktop_.items[2].x, 5);
  EXPECT_EQ(desktop_.items[3].x, 0);  // the second "Papierkorb" cannot be found
}

TEST_P(RemoteListViewTest, FindBlockTakesCaptionsUpTo260Characters) {
  desktop_.items = {{std::string(260, 'Q'), 0, 0}, {std::string(261, 'Q'), 0, 0}};
  move_desktop_icon(desktop_, std::string(260, 'q'), {3, 4});
  move_desktop_icon(desktop_, std::string(261, 'Q'), {5, 6});  // skipped, never cut to 260
  EXPECT_EQ(desktop_.items[0].x, 3);
  EXPECT_EQ(desktop_.items[1].x, 0);
}

// A view that stops answering (a hung shell) mid-cycle: the read yields
// nothing, as for an unreachable desktop, whichever message runs out first,
// and no message is sent after the first unanswered one. The next cycle,
// once the view answers again, reads everything.
TEST_P(RemoteListViewTest, HungViewReadsAsUnreachable) {
  desktop_.items = numbered_items(25);
  const int messages = 1 + 2 * 25;  // the count, then text and position per item
  for (int answered : {0, 1, 2, 23, 24, 25, messages - 1}) {
    desktop_.traffic = {.answers_left = answered};
    EXPECT_FALSE(read_desktop_icons(desktop_)) << answered << " answered";
    EXPECT_EQ(desktop_.traffic.unanswered, 1) << answered << " answered";

    desktop_.traffic = {.answers_left = answered};
    IconCycle cycle = desktop_.open_cycle();
    for (int i = 0; i < 25; ++i) cycle.view().item_caption(i);  // one message each
    EXPECT_EQ(cycle.view().stopped_answering(), answered < 25) << answered << " answered";
    EXPECT_LE(desktop_.traffic.unanswered, 1) << answered << " answered";
  }
  desktop_.traffic = {};
  const auto icons = read_desktop_icons(desktop_);
  ASSERT_TRUE(icons);
  EXPECT_EQ(rows(*icons), rows(expected(desktop_.items)));
}

TEST_P(RemoteListViewTest, HungViewStopsTheRestoreWhereItHung) {
  // Each entry takes two messages: the find, then the move.
  for (int answered = 0; answered <= 6; ++answered) {
    desktop_.items = {{"A", 0, 0}, {"B", 0, 0}, {"C", 0, 0}};
    desktop_.traffic = {.answers_left = answered};
    restore_desktop_icons(desktop_, {{"A", 1, 1}, {"B", 2, 2}, {"C", 3, 3}});
    const int moved = answered / 2;
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(desktop_.items[i].x, i < moved ? i + 1 : 0) << answered << " answered, item " << i;
    EXPECT_EQ(desktop_.traffic.unanswered, answered < 6 ? 1 : 0) << answered << " answered";
  }
}

// Each layout with one field off: the reads, the find or the move must go
// wrong against the view of that width, whichever way the field is off.
struct OffLayout {
  const char* what;
  ListViewLayout layout;
};

std::vector<OffLayout> off_by_one_field(const ListViewLayout& good) {
  std::vector<OffLayout> off;
  const uint32_t step = good.pointer_size;
  auto with = [&](const char* what, auto change) {
    ListViewLayout changed = good;
    change(changed);
    off.push_back({what, changed});
  };
  if (good.pointer_size == 8) with("pointer cut to 32 bits", [&](ListViewLayout& l) { l.pointer_size = 4; });
  with("pszText before", [&](ListViewLayout& l) { l.record_text_pointer -= step; });
  with("pszText after", [&](ListViewLayout& l) { l.record_text_pointer += step; });
  with("cchTextMax before", [&](ListViewLayout& l) { l.record_text_capacity -= 4; });
  with("cchTextMax after", [&](ListViewLayout& l) { l.record_text_capacity += 4; });
  with("item record short", [&](ListViewLayout& l) { l.item_record_size -= 4; });
  with("batch stride short", [&](ListViewLayout& l) { l.batch_record_stride -= step; });
  with("find psz before", [&](ListViewLayout& l) { l.find_text -= 4; });
  with("find psz after", [&](ListViewLayout& l) { l.find_text += step; });
  with("find record short", [&](ListViewLayout& l) { l.find_record_size -= step; });
  return off;
}

// True when a full read, a one-by-one read and a restore all come out right
// and the view saw nothing amiss.
bool everything_works(const ViewAbi& view, const ListViewLayout& layout) {
  EmulatedDesktop desktop(view, layout);
  desktop.items = numbered_items(30);
  const auto icons = read_desktop_icons(desktop);
  bool right = icons && rows(*icons) == rows(expected(desktop.items)) &&
               rows(read_one_by_one(desktop)) == rows(expected(desktop.items));
  restore_desktop_icons(desktop, {{"Icon 0", 1, 2}, {"Icon xxxxx26", 3, 4}});
  right = right && desktop.items[0].x == 1 && desktop.items[26].y == 4;
  return right && desktop.faults.empty();
}

TEST(ListViewLayouts, AFieldOffFailsAgainstTheViewOfItsWidth) {
  for (const Pairing& p : {Pairing{&kView32, &layout::k32Bit}, Pairing{&kView64, &layout::k64Bit}}) {
    ASSERT_TRUE(everything_works(*p.view, *p.layout)) << p.view->name;
    for (const OffLayout& off : off_by_one_field(*p.layout))
      EXPECT_FALSE(everything_works(*p.view, off.layout)) << p.view->name << ": " << off.what;
  }
  // Neither width's layout serves the other's view.
  EXPECT_FALSE(everything_works(kView32, layout::k64Bit));
  EXPECT_FALSE(everything_works(kView64, layout::k32Bit));
}

TEST(ListViewLayouts, RecordsCarryTheBufferAddresses) {
  struct Case {
    const ListViewLayout* layout;
    uint64_t text;
    std::vector<uint8_t> pointer_bytes;
  };
  const Case cases[] = {
      {&layout::k32Bit, 0x12345678, {0x78, 0x56, 0x34, 0x12}},
      {&layout::k64Bit, 0x000007FF12345678, {0x78, 0x56, 0x34, 0x12, 0xFF, 0x07, 0, 0}},
  };
  for (const Case& c : cases) {
    const ListViewLayout& l = *c.layout;
    std::vector<uint8_t> expected(l.item_record_size, 0);
    std::copy(c.pointer_bytes.begin(), c.pointer_bytes.end(), expected.begin() + l.record_text_pointer);
    expected[l.record_text_capacity] = 255;
    EXPECT_EQ(layout::make_item_record(l, c.text), expected) << l.pointer_size;

    const std::vector<uint8_t> block = layout::make_find_block(l, c.text - l.find_record_size, "Arbeitsplatz");
    ASSERT_EQ(block.size(), l.find_record_size + 261u);
    std::vector<uint8_t> record(l.find_record_size, 0);
    record[0] = 2;  // LVFI_STRING
    std::copy(c.pointer_bytes.begin(), c.pointer_bytes.end(), record.begin() + l.find_text);
    EXPECT_EQ(std::vector<uint8_t>(block.begin(), block.begin() + l.find_record_size), record) << l.pointer_size;
    std::vector<uint8_t> text(261, 0);
    std::memcpy(text.data(), "Arbeitsplatz", 12);
    EXPECT_EQ(std::vector<uint8_t>(block.begin() + l.find_record_size, block.end()), text) << l.pointer_size;
  }
}

TEST(ListViewLayouts, UntrustworthyTextLengthsStayInsideTheField) {
  struct Case {
    int32_t reported;
    uint32_t usable;
  };
  for (Case c : {Case{-5, 0}, Case{0, 0}, Case{17, 17}, Case{254, 254}, Case{255, 254}, Case{1 << 30, 254}})
    EXPECT_EQ(layout::usable_text_length(c.reported), c.usable) << c.reported;
  const uint8_t text[] = {'a', 'b', 0, 'c'};
  EXPECT_EQ(layout::caption_from_text(text, 4), "ab");
  EXPECT_EQ(layout::caption_from_text(text, 1), "a");
}

}  // namespace
}  // namespace orvx::icons
