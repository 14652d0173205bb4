// The list view access over the buffer, against an emulated list view in a
// block of bytes: it reads the records where Windows' list view reads them
// (LVITEMA::pszText at 20, cchTextMax at 24; LVFINDINFOA::flags at 0, psz
// at 4) and writes texts and POINTs the way the real view does.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "icons/icon_operations.h"
#include "icons/list_view_channel.h"
#include "icons/list_view_layouts.h"
#include "icons/remote_list_view.h"
#include "support/desktop_icon_rows.h"

namespace orvx::icons {
namespace {

using test::Rows;

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
};

class EmulatedListView final : public ListViewChannel {
 public:
  static constexpr uint32_t kBase = 0x00A40000;

  EmulatedListView(std::vector<EmulatedItem>& items, Traffic& traffic)
      : items_(items), traffic_(traffic), memory_(layout::kBufferSize, 0xCD) {}

  uint32_t buffer_address() const override { return kBase; }

  void write(uint32_t address, const void* data, size_t count) override {
    ++traffic_.writes;
    std::memcpy(at(address, count), data, count);
  }
  void read(uint32_t address, void* into, size_t count) override {
    ++traffic_.reads;
    std::memcpy(into, at(address, count), count);
  }

  int32_t send(uint32_t message, uint32_t wparam, uint32_t lparam) override {
    ++traffic_.messages;
    const int index = static_cast<int32_t>(wparam);
    const bool valid = index >= 0 && index < static_cast<int>(items_.size());
    switch (message) {
      case 0x1004:  // LVM_GETITEMCOUNT
        return static_cast<int32_t>(items_.size());
      case 0x102D: {  // LVM_GETITEMTEXTA
        if (!valid || items_[index].text_fails) return 0;
        const uint32_t text = u32(lparam + 20);
        const int32_t capacity = static_cast<int32_t>(u32(lparam + 24));
        const std::string& caption = items_[index].caption;
        const size_t n = std::min<size_t>(caption.size(), capacity - 1);
        std::memcpy(at(text, n + 1), caption.c_str(), n + 1);
        *at(text + n, 1) = 0;
        return static_cast<int32_t>(n);
      }
      case 0x1010: {  // LVM_GETITEMPOSITION
        if (!valid || items_[index].position_fails) return 0;
        std::memcpy(at(lparam, 4), &items_[index].x, 4);
        std::memcpy(at(lparam + 4, 4), &items_[index].y, 4);
        return 1;
      }
      case 0x100D: {  // LVM_FINDITEMA from the first item
        EXPECT_EQ(wparam, 0xFFFFFFFFu);
        EXPECT_EQ(u32(lparam), 0x0002u);  // LVFI_STRING
        const std::string wanted = c_string(u32(lparam + 4));
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
        ADD_FAILURE() << "unexpected message " << message;
        return 0;
    }
  }

 private:
  uint8_t* at(uint32_t address, size_t count) {
    // Every access must stay inside the reserved buffer.
    if (address < kBase || address - kBase + count > memory_.size()) {
      ADD_FAILURE() << "access outside the buffer at offset " << static_cast<int64_t>(address) - kBase;
      static uint8_t scratch[8192];
      return scratch;
    }
    return &memory_[address - kBase];
  }
  uint32_t u32(uint32_t address) {
    uint32_t v;
    std::memcpy(&v, at(address, 4), 4);
    return v;
  }
  std::string c_string(uint32_t address) {
    const char* begin = reinterpret_cast<const char*>(at(address, 1));
    const char* end = reinterpret_cast<const char*>(memory_.data() + memory_.size());
    return std::string(begin, std::find(begin, end, '\0'));
  }
  static std::string fold(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }

  std::vector<EmulatedItem>& items_;
  Traffic& traffic_;
  std::vector<uint8_t> memory_;
};

// The emulated view as a desktop: each cycle gets a fresh buffer full of
// junk (0xCD), as a fresh reservation may be.
class EmulatedDesktop final : public DesktopAccess {
 public:
  std::vector<EmulatedItem> items;
  Traffic traffic;

  ArrangementModes arrangement_modes() override { return {}; }
  void snap_to_grid() override {}

 protected:
  std::unique_ptr<IconView> open_view() override {
    return std::make_unique<RemoteListView>(std::make_unique<EmulatedListView>(items, traffic));
  }
};

std::vector<EmulatedItem> NumberedItems(int n) {
  std::vector<EmulatedItem> items;
  for (int i = 0; i < n; ++i)
    items.push_back({"Icon " + std::string(i % 7, 'x') + std::to_string(i), 10 * i - 300, 7 * i, false, false});
  return items;
}

TDesktopIconInfoArray Expected(const std::vector<EmulatedItem>& items) {
  TDesktopIconInfoArray expected;
  for (const EmulatedItem& item : items)
    expected.push_back({item.text_fails ? "" : item.caption.substr(0, 254),
                        item.position_fails ? 0 : item.x, item.position_fails ? 0 : item.y});
  return expected;
}

// Both ways of reading (one item at a time, and in rounds) give the same.
TDesktopIconInfoArray ReadOneByOne(DesktopAccess& desktop) {
  IconCycle cycle = desktop.open_cycle();
  TDesktopIconInfoArray icons;
  for (int i = 0, n = cycle.view().item_count(); i < n; ++i) {
    const IconPoint p = cycle.view().item_position(i);
    icons.push_back({cycle.view().item_caption(i), p.x, p.y});
  }
  return icons;
}

TEST(RemoteListView, ReadsEveryItemAcrossRounds) {
  for (int n : {0, 1, 11, 12, 13, 25, 100}) {
    EmulatedDesktop desktop;
    desktop.items = NumberedItems(n);
    auto icons = ReadDesktopIcons(desktop);
    ASSERT_TRUE(icons);
    EXPECT_EQ(Rows(*icons), Rows(Expected(desktop.items))) << n << " items";
    EXPECT_EQ(Rows(ReadOneByOne(desktop)), Rows(Expected(desktop.items))) << n << " items";
  }
}

TEST(RemoteListView, FailedQueriesYieldEmptyCaptionAndOrigin) {
  // The failing items follow readable ones, so the slots they would be read
  // from hold the previous item's caption and position.
  EmulatedDesktop desktop;
  desktop.items = NumberedItems(30);
  for (int i : {1, 12, 13, 29}) desktop.items[i].position_fails = true;
  for (int i : {2, 13, 24}) desktop.items[i].text_fails = true;
  auto icons = ReadDesktopIcons(desktop);
  ASSERT_TRUE(icons);
  EXPECT_EQ(Rows(*icons), Rows(Expected(desktop.items)));
  EXPECT_EQ(Rows(ReadOneByOne(desktop)), Rows(Expected(desktop.items)));
}

TEST(RemoteListView, CaptionsAreCutTo254Characters) {
  EmulatedDesktop desktop;
  desktop.items = {{std::string(300, 'L'), 1, 2}, {"short", 3, 4}, {std::string(254, 'M'), 5, 6},
                   {std::string(255, 'N'), 7, 8}};
  auto icons = ReadDesktopIcons(desktop);
  ASSERT_TRUE(icons);
  EXPECT_EQ((*icons)[0].Caption, std::string(254, 'L'));
  EXPECT_EQ((*icons)[1].Caption, "short");
  EXPECT_EQ((*icons)[2].Caption, std::string(254, 'M'));
  EXPECT_EQ((*icons)[3].Caption, std::string(254, 'N'));
  EXPECT_EQ(Rows(ReadOneByOne(desktop)), Rows(*icons));
}

TEST(RemoteListView, ReadingInRoundsCopiesAboutOncePerTwelveItems) {
  // Two copies per round of 12 (zero the POINTs, fetch everything) and the
  // records once: the reason read_items exists.
  EmulatedDesktop desktop;
  desktop.items = NumberedItems(500);
  ASSERT_TRUE(ReadDesktopIcons(desktop));
  const int rounds = (500 + 11) / 12;
  EXPECT_EQ(desktop.traffic.writes, 1 + rounds);
  EXPECT_EQ(desktop.traffic.reads, rounds);
  EXPECT_EQ(desktop.traffic.messages, 1 + 2 * 500);
}

TEST(RemoteListView, RestoreFindsByCaptionThroughTheFindBlock) {
  EmulatedDesktop desktop;
  desktop.items = {{"Papierkorb", 0, 0}, {"Arbeitsplatz", 0, 0}, {"A", 0, 0}, {"Papierkorb", 0, 0}};
  // A long caption first, then a short one: the short one must not be
  // followed by the rest of the long one.
  RestoreDesktopIcons(desktop, {{"ARBEITSPLATZ", 40000, -1200},
                                {"a", 5, 6},
                                {"papierkorb", 1, 1},
                                {"Papierkorb", 2, 2},
                                {"Missing", 9, 9}});
  EXPECT_EQ(desktop.items[0].x, 2);
  EXPECT_EQ(desktop.items[1].x, -25536);
  EXPECT_EQ(desktop.items[1].y, -1200);
  EXPECT_EQ(desktop.items[2].x, 5);
  EXPECT_EQ(desktop.items[3].x, 0);  // the second "Papierkorb" cannot be found
}

TEST(RemoteListView, FindBlockTakesCaptionsUpTo260Characters) {
  EmulatedDesktop desktop;
  desktop.items = {{std::string(260, 'Q'), 0, 0}, {std::string(261, 'Q'), 0, 0}};
  MoveDesktopIcon(desktop, std::string(260, 'q'), {3, 4});
  MoveDesktopIcon(desktop, std::string(261, 'Q'), {5, 6});  // skipped, never cut to 260
  EXPECT_EQ(desktop.items[0].x, 3);
  EXPECT_EQ(desktop.items[1].x, 0);
}

TEST(ListViewLayouts, RecordsCarryTheBufferAddresses) {
  const layout::ItemRecord record = layout::MakeItemRecord(0x12345678);
  EXPECT_EQ(layout::GetUint32(&record[20]), 0x12345678u);
  EXPECT_EQ(layout::GetUint32(&record[24]), 255u);
  for (size_t i = 0; i < record.size(); ++i) {
    if (i < 20 || i >= 28) {
      EXPECT_EQ(record[i], 0) << "byte " << i;
    }
  }

  const layout::FindBlock block = layout::MakeFindBlock(0x00A40000, "Arbeitsplatz");
  EXPECT_EQ(layout::GetUint32(&block[0]), 2u);
  EXPECT_EQ(layout::GetUint32(&block[4]), 0x00A40018u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&block[24])), "Arbeitsplatz");
  for (size_t i = 8; i < 24; ++i) EXPECT_EQ(block[i], 0) << "byte " << i;
  for (size_t i = 24 + 12; i < block.size(); ++i) EXPECT_EQ(block[i], 0) << "byte " << i;
}

TEST(ListViewLayouts, UntrustworthyTextLengthsStayInsideTheField) {
  struct Case {
    int32_t reported;
    uint32_t usable;
  };
  for (Case c : {Case{-5, 0}, Case{0, 0}, Case{17, 17}, Case{254, 254}, Case{255, 254}, Case{1 << 30, 254}})
    EXPECT_EQ(layout::UsableTextLength(c.reported), c.usable) << c.reported;
  const uint8_t text[] = {'a', 'b', 0, 'c'};
  EXPECT_EQ(layout::CaptionFromText(text, 4), "ab");
  EXPECT_EQ(layout::CaptionFromText(text, 1), "a");
}

}  // namespace
}  // namespace orvx::icons
