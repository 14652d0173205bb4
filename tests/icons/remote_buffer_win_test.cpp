// The remote buffer slot and the system error it raises, in this process.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "icons/remote_buffer_win.h"
#include "platform/system_error_win.h"

namespace orvx::icons {
namespace {

TEST(RemoteBuffer, CopiesThroughTheSlotUntilItIsFreed) {
  void* buffer = OpenRemoteBuffer(GetCurrentProcessId(), kRemoteBufferSize);
  ASSERT_NE(buffer, nullptr);
  ASSERT_TRUE(RemoteBufferHeld());
  const char text[] = "Arbeitsplatz";
  WriteRemoteBuffer(text, static_cast<char*>(buffer) + 4000, sizeof text);
  char back[sizeof text] = {};
  EXPECT_EQ(ReadRemoteBuffer(static_cast<char*>(buffer) + 4000, back, sizeof back), sizeof back);
  EXPECT_STREQ(back, text);

  FreeRemoteBuffer();
  EXPECT_FALSE(RemoteBufferHeld());
  char after[4] = {'x', 'x', 'x', 0};
  EXPECT_EQ(ReadRemoteBuffer(buffer, after, 3), 0u);  // the slot is empty: nothing happens
  WriteRemoteBuffer(text, buffer, 3);
  EXPECT_STREQ(after, "xxx");
}

TEST(RemoteBuffer, UnopenableProcessYieldsNoBuffer) {
  EXPECT_EQ(OpenRemoteBuffer(0xFFFFFFF0, kRemoteBufferSize), nullptr);
  EXPECT_FALSE(RemoteBufferHeld());
}

TEST(RemoteBuffer, FailedReservationThrowsAndLeavesTheSlotEmpty) {
  // All of the address space but its last 64 KiB: more than any process,
  // 32-bit or 64-bit, can reserve.
  EXPECT_THROW(OpenRemoteBuffer(GetCurrentProcessId(), ~SIZE_T{0xFFFF}), SystemError);
  EXPECT_FALSE(RemoteBufferHeld());
  RemoteBufferLease lease(GetCurrentProcessId(), kRemoteBufferSize);
  EXPECT_TRUE(lease);
}

TEST(SystemErrorText, CarriesCodeAndTheSystemsWords) {
  const SystemError known = system_error(ERROR_ACCESS_DENIED);
  EXPECT_EQ(known.code(), 5u);
  ASSERT_FALSE(known.text().empty());
  EXPECT_NE(known.text().back(), '\n');
  EXPECT_EQ(std::string(known.what()), "System error 5: " + known.text());

  const SystemError unknown = system_error(0x2000FFFF);
  EXPECT_EQ(unknown.text(), "Unknown error " + std::to_string(0x2000FFFF) + ".");
}

}  // namespace
}  // namespace orvx::icons
