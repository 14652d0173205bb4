// The remote buffer lease and the system error it raises, in this process.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "icons/remote_buffer_win.h"
#include "platform/system_error_win.h"

namespace orvx::icons {
namespace {

// The protection of the memory at `address` in this process.
DWORD protection_at(const void* address) {
  MEMORY_BASIC_INFORMATION info{};
  if (VirtualQueryEx(GetCurrentProcess(), address, &info, sizeof info) != sizeof info) return 0;
  return info.State == MEM_COMMIT ? info.Protect : 0;
}

TEST(RemoteBuffer, CopiesThroughTheLeaseUntilItGoes) {
  const char text[] = "Arbeitsplatz";
  char* buffer = nullptr;
  {
    RemoteBufferLease lease = RemoteBufferLease::open(GetCurrentProcessId(), kRemoteBufferSize);
    ASSERT_TRUE(lease);
    buffer = static_cast<char*>(lease.address());
    EXPECT_TRUE(lease.write(buffer + 4000, text, sizeof text));
    char back[sizeof text] = {};
    EXPECT_TRUE(lease.read(buffer + 4000, back, sizeof back));
    EXPECT_STREQ(back, text);

    // Moved, the lease goes on in its new owner; the old one holds nothing.
    RemoteBufferLease moved = std::move(lease);
    EXPECT_FALSE(lease);
    EXPECT_FALSE(lease.write(buffer, text, 3));
    ASSERT_EQ(moved.address(), buffer);
    char again[sizeof text] = {};
    EXPECT_TRUE(moved.read(buffer + 4000, again, sizeof again));
    EXPECT_STREQ(again, text);
  }
  EXPECT_EQ(protection_at(buffer), 0u);  // released with its lease
}

TEST(RemoteBuffer, HoldsDataOnly) {
  RemoteBufferLease lease = RemoteBufferLease::open(GetCurrentProcessId(), kRemoteBufferSize);
  ASSERT_TRUE(lease);
  EXPECT_EQ(protection_at(lease.address()), static_cast<DWORD>(PAGE_READWRITE));
}

TEST(RemoteBuffer, AssignmentReleasesTheBufferItReplaces) {
  RemoteBufferLease first = RemoteBufferLease::open(GetCurrentProcessId(), kRemoteBufferSize);
  RemoteBufferLease second = RemoteBufferLease::open(GetCurrentProcessId(), kRemoteBufferSize);
  ASSERT_TRUE(first && second);
  void* replaced = first.address();
  void* kept = second.address();
  first = std::move(second);
  EXPECT_EQ(protection_at(replaced), 0u);
  EXPECT_EQ(first.address(), kept);
  EXPECT_EQ(protection_at(kept), static_cast<DWORD>(PAGE_READWRITE));
}

TEST(RemoteBuffer, MemoryLeftInPlaceOutlivesTheLease) {
  void* address = nullptr;
  {
    RemoteBufferLease lease = RemoteBufferLease::open(GetCurrentProcessId(), kRemoteBufferSize);
    ASSERT_TRUE(lease);
    address = lease.address();
    lease.leave_memory_in_place();
    EXPECT_FALSE(lease);
  }
  EXPECT_EQ(protection_at(address), static_cast<DWORD>(PAGE_READWRITE));
  VirtualFree(address, 0, MEM_RELEASE);
}

TEST(RemoteBuffer, UnopenableProcessYieldsNoBuffer) {
  const RemoteBufferLease lease = RemoteBufferLease::open(0xFFFFFFF0, kRemoteBufferSize);
  EXPECT_FALSE(lease);
  char into[4] = {'x', 'x', 'x', 0};
  EXPECT_FALSE(lease.read(into, into, 3));
  EXPECT_STREQ(into, "xxx");
}

TEST(RemoteBuffer, FailedReservationThrows) {
  // All of the address space but its last 64 KiB: more than any process,
  // 32-bit or 64-bit, can reserve.
  EXPECT_THROW(RemoteBufferLease::open(GetCurrentProcessId(), ~SIZE_T{0xFFFF}), SystemError);
  EXPECT_TRUE(RemoteBufferLease::open(GetCurrentProcessId(), kRemoteBufferSize));
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
