// The device manager behind CreateFileW, DeviceIoControl and CloseHandle:
// names map to drivers by prefix and index, and bad handles never reach one.
#include <gtest/gtest.h>

#include "kernel/system.h"
#include "support/sequence.h"
#include "windows.h"

namespace {

// Counts what reaches it.
class CountingDriver : public ce::StreamDriver {
public:
    DWORD Open(DWORD access, DWORD share) override {
        ++opens;
        lastAccess = access;
        lastShare = share;
        return 100 + opens;
    }
    BOOL IOControl(DWORD context, DWORD code, const BYTE*, DWORD inSize, BYTE*, DWORD outSize, DWORD*) override {
        ++requests;
        lastContext = context;
        return TRUE;
    }
    BOOL Close(DWORD context) override {
        ++closes;
        lastContext = context;
        return TRUE;
    }
    int opens = 0, requests = 0, closes = 0;
    DWORD lastAccess = 0, lastShare = 0, lastContext = 0;
};

class DeviceManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        sys = &ce::System::Reset();
        sys->devices.Register("FIO", 1, &driver);
        recorder = std::make_shared<test::Recorder>();
        sys->transcript.Attach(recorder);
    }
    HANDLE Open(LPCWSTR name) { return CreateFileW(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr); }
    ce::System* sys;
    CountingDriver driver;
    std::shared_ptr<test::Recorder> recorder;
};

class DeviceNames : public DeviceManagerTest, public ::testing::WithParamInterface<std::pair<std::u16string, bool>> {};

TEST_P(DeviceNames, OnlyThreeCapitalsADigitAndAColonReachTheDriver) {
    auto [name, opens] = GetParam();
    HANDLE h = Open(name.c_str());
    EXPECT_EQ(h != INVALID_HANDLE_VALUE, opens);
    EXPECT_EQ(driver.opens, opens ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Names, DeviceNames,
                         ::testing::Values(std::pair{std::u16string(u"FIO1:"), true}, std::pair{std::u16string(u"fio1:"), false},
                                           std::pair{std::u16string(u"FIO1"), false}, std::pair{std::u16string(u"FIO12:"), false},
                                           std::pair{std::u16string(u"FIO2:"), false}, std::pair{std::u16string(u"XYZ1:"), false},
                                           std::pair{std::u16string(u"FI1:"), false}, std::pair{std::u16string(u""), false}));

TEST_F(DeviceManagerTest, ANullNameFails) {
    EXPECT_EQ(Open(nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(driver.opens, 0);
}

TEST_F(DeviceManagerTest, OpenPassesAccessAndShareAndEachCallReachesItsOwnOpenContext) {
    HANDLE a = CreateFileW(u"FIO1:", GENERIC_READ | GENERIC_WRITE, 3, nullptr, OPEN_EXISTING, 0, nullptr);
    HANDLE b = Open(u"FIO1:");
    EXPECT_EQ(driver.lastAccess, GENERIC_READ);
    EXPECT_NE(a, b);
    DWORD returned = 0;
    EXPECT_TRUE(DeviceIoControl(a, 1, nullptr, 0, nullptr, 0, &returned, nullptr));
    EXPECT_EQ(driver.lastContext, 101u);
    EXPECT_TRUE(CloseHandle(b));
    EXPECT_EQ(driver.lastContext, 102u);
    EXPECT_TRUE(CloseHandle(a));
    EXPECT_EQ(sys->handles.OpenCount(), 0u);
}

TEST_F(DeviceManagerTest, BadHandlesReachNoDriver) {
    HANDLE closed = Open(u"FIO1:");
    ASSERT_TRUE(CloseHandle(closed));
    const std::vector<HANDLE> bad = {nullptr, INVALID_HANDLE_VALUE, closed, reinterpret_cast<HANDLE>(0x1235)};
    recorder->events.clear();
    for (HANDLE h : bad) {
        BYTE out[4];
        DWORD returned = 0;
        EXPECT_FALSE(DeviceIoControl(h, 1, nullptr, 0, out, 4, &returned, nullptr));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        EXPECT_FALSE(CloseHandle(h));
    }
    EXPECT_EQ(driver.requests, 0);
    EXPECT_EQ(driver.closes, 1) << "only the one real close";
    for (const auto& e : test::Only(recorder->events, {"DeviceIoControl"}))
        EXPECT_EQ(e.Find("device")->kind, ce::trace::Value::Kind::Null);
}

TEST_F(DeviceManagerTest, AHandleClosesOnce) {
    HANDLE h = Open(u"FIO1:");
    EXPECT_TRUE(CloseHandle(h));
    EXPECT_FALSE(CloseHandle(h));
    EXPECT_EQ(driver.closes, 1);
}

TEST_F(DeviceManagerTest, AnAbsentDriverFailsTheOpen) {
    sys->devices.Unregister("FIO", 1);
    EXPECT_EQ(Open(u"FIO1:"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
