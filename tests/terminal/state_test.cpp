// The terminal's state folder: a new state, a damaged one, replacement that
// leaves no half-written file, hostile files planted in the folder, the lock
// that serializes stores, and stores killed half way.
#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <thread>

#include "kernel/system.h"
#include "state/device_id_store.h"
#include "state/device_settings.h"
#include "support/run.h"

namespace {

using terminal::DeviceIdBytes;
using terminal::DeviceIdStore;
using terminal::StateDir;
using test::ReadFile;
using test::WriteFile;

DeviceIdBytes Filled(uint8_t first) {
    DeviceIdBytes id{};
    for (int i = 0; i < 64; ++i) id[i] = static_cast<uint8_t>(first + i);
    return id;
}

std::string AsText(const DeviceIdBytes& id) { return std::string(id.begin(), id.end()); }

class StateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ce::System::Reset();
        // A read that blocks (a FIFO opened for reading) would hang the test: fail it instead.
        alarm(60);
        ASSERT_FALSE(dir.Ensure());
    }
    void TearDown() override { alarm(0); }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        if (DIR* d = opendir(dir.path().c_str())) {
            while (dirent* e = readdir(d))
                if (e->d_name[0] != '.') names.push_back(e->d_name);
            closedir(d);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string Path(const std::string& name) const { return dir.FilePath(name); }
    test::TempDir root;
    StateDir dir{root / "state"};
};

TEST_F(StateTest, ANewStateHoldsAShortAsciiIdThenZeros) {
    bool created = false;
    auto id = DeviceIdStore(dir).Load(&created);
    ASSERT_TRUE(std::holds_alternative<DeviceIdBytes>(id));
    EXPECT_TRUE(created);
    const DeviceIdBytes& bytes = std::get<DeviceIdBytes>(id);
    size_t length = 0;
    while (length < 64 && bytes[length]) ++length;
    EXPECT_GT(length, 0u);
    EXPECT_LT(length, 16u);
    for (size_t i = 0; i < length; ++i) EXPECT_TRUE(bytes[i] >= 0x20 && bytes[i] < 0x7F);
    for (size_t i = length; i < 64; ++i) EXPECT_EQ(bytes[i], 0);
    EXPECT_EQ(Files(), std::vector<std::string>{"device-id"}) << "the new state is written";
}

TEST_F(StateTest, SaveThenLoadGivesTheSameBytesAndLeavesNoTemporaryFile) {
    DeviceIdBytes id = Filled(0xC0);
    ASSERT_FALSE(DeviceIdStore(dir).Save(id));
    auto loaded = DeviceIdStore(dir).Load();
    ASSERT_TRUE(std::holds_alternative<DeviceIdBytes>(loaded));
    EXPECT_EQ(std::get<DeviceIdBytes>(loaded), id);
    EXPECT_EQ(Files(), std::vector<std::string>{"device-id"});
}

TEST_F(StateTest, ADamagedFileIsReportedAndLeftAsItIs) {
    for (std::string content : {std::string(""), std::string(63, 'x'), std::string(65, 'x')}) {
        WriteFile(Path("device-id"), content);
        auto id = DeviceIdStore(dir).Load();
        ASSERT_TRUE(std::holds_alternative<std::string>(id)) << content.size() << " bytes accepted";
        EXPECT_NE(std::get<std::string>(id).find("damaged (" + std::to_string(content.size()) + " bytes"), std::string::npos)
            << std::get<std::string>(id);
        EXPECT_EQ(ReadFile(Path("device-id")), content);
    }
}

TEST_F(StateTest, AStoreThatFailsKeepsTheOldId) {
    ASSERT_FALSE(DeviceIdStore(dir).Save(DeviceIdStore::Factory()));
    ce::System::Get().faults.FailCall("Store", 1);
    auto error = DeviceIdStore(dir).Save(Filled(1));
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("device-id"), std::string::npos) << *error;
    EXPECT_EQ(std::get<DeviceIdBytes>(DeviceIdStore(dir).Load()), DeviceIdStore::Factory());
    EXPECT_EQ(Files(), std::vector<std::string>{"device-id"});
}

TEST_F(StateTest, AFolderInTheWayIsReported) {
    WriteFile(root / "file", "x");
    StateDir inTheWay(root / "file/state");
    auto error = inTheWay.Ensure();
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(root / "file"), std::string::npos) << *error;
}

// Something other than a regular file where a state file, a temporary or
// the lock goes: never opened in a way that blocks, never written through,
// and left as it is, unless it is a temporary of ours that a killed run
// left behind.
struct Planted {
    const char* name;
    const char* as;       // "symlink", "fifo", "folder", "hardlink"
    const char* at;       // the name it is planted under
    bool storeWorks;      // a store of the device ID succeeds
    const char* says;     // what the load or store says, when it fails
    bool removed;         // the store removes it
};
void PrintTo(const Planted& p, std::ostream* os) { *os << p.name; }

class HostileFile : public StateTest, public ::testing::WithParamInterface<Planted> {};

TEST_P(HostileFile, IsNeitherFollowedNorWaitedOn) {
    const Planted& p = GetParam();
    std::string outside = root / "outside";
    WriteFile(outside, "precious");
    std::string at = Path(p.at);
    std::string kind = p.as;
    int planted = kind == "symlink"    ? symlink(outside.c_str(), at.c_str())
                  : kind == "hardlink" ? link(outside.c_str(), at.c_str())
                  : kind == "fifo"     ? mkfifo(at.c_str(), 0644)
                                       : mkdir(at.c_str(), 0755);
    ASSERT_EQ(planted, 0) << "cannot plant " << p.as;

    DeviceIdStore ids(dir);
    auto error = ids.Save(Filled(0x41));
    if (p.storeWorks) {
        ASSERT_FALSE(error) << *error;
        struct stat st;
        ASSERT_EQ(lstat(Path("device-id").c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode)) << "device-id is a file of its own";
        EXPECT_EQ(st.st_nlink, 1u);
        EXPECT_EQ(std::get<DeviceIdBytes>(ids.Load()), Filled(0x41));
    } else {
        ASSERT_TRUE(error) << "stored anyway";
        EXPECT_NE(error->find(p.says), std::string::npos) << *error;
        EXPECT_EQ(error->find('\n'), std::string::npos) << *error;
        if (std::string(p.at) == "device-id") {
            auto load = ids.Load();
            ASSERT_TRUE(std::holds_alternative<std::string>(load)) << "read through it";
            EXPECT_NE(std::get<std::string>(load).find(p.says), std::string::npos) << std::get<std::string>(load);
        }
    }
    EXPECT_EQ(ReadFile(outside), "precious") << "written through the planted " << p.as;
    struct stat st;
    bool stillThere = lstat(at.c_str(), &st) == 0;
    EXPECT_EQ(stillThere, !p.removed);
}

INSTANTIATE_TEST_SUITE_P(
    StateFolder, HostileFile,
    ::testing::Values(
        // In place of the state file itself.
        Planted{"SymlinkAsTheFile", "symlink", "device-id", false, "is a symbolic link, not a regular file", false},
        Planted{"FifoAsTheFile", "fifo", "device-id", false, "is a FIFO, not a regular file", false},
        Planted{"FolderAsTheFile", "folder", "device-id", false, "is a folder, not a regular file", false},
        // The store gives the name a file of its own; the other name keeps its content.
        Planted{"HardLinkAsTheFile", "hardlink", "device-id", true, "", false},
        // Where an older version put its temporary: not ours any more, left alone.
        Planted{"SymlinkAsTheOldTemporary", "symlink", "device-id.new", true, "", false},
        Planted{"FifoAsTheOldTemporary", "fifo", "device-id.new", true, "", false},
        Planted{"HardLinkAsTheOldTemporary", "hardlink", "device-id.new", true, "", false},
        // Named as our temporaries are: taken for a killed run's and removed.
        Planted{"SymlinkAsATemporary", "symlink", "device-id.new.AbC123", true, "", true},
        Planted{"FifoAsATemporary", "fifo", "device-id.new.AbC123", true, "", true},
        // In place of the lock.
        Planted{"SymlinkAsTheLock", "symlink", ".lock", false, ".lock is a symbolic link", false},
        Planted{"FifoAsTheLock", "fifo", ".lock", false, ".lock is a FIFO", false},
        Planted{"FolderAsTheLock", "folder", ".lock", false, ".lock is a folder", false}),
    [](const auto& info) { return info.param.name; });

TEST_F(StateTest, ASettingThatIsNotAFileIsDamageNotAValue) {
    ASSERT_EQ(mkfifo(Path("gprs-power").c_str(), 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", Path("suspend-count").c_str()), 0);
    auto power = terminal::PowerSetting(dir, "gprs-power").Load();
    ASSERT_TRUE(std::holds_alternative<std::string>(power));
    EXPECT_NE(std::get<std::string>(power).find("is a FIFO"), std::string::npos) << std::get<std::string>(power);
    auto count = terminal::CountSetting(dir, "suspend-count").Increment();
    ASSERT_TRUE(std::holds_alternative<std::string>(count));
    EXPECT_NE(std::get<std::string>(count).find("is a symbolic link"), std::string::npos) << std::get<std::string>(count);
}

TEST_F(StateTest, OnlyOurOwnTemporariesAreCleanedUp) {
    for (const char* name : {"device-id.new.Xy12Ab", "gprs-power.new.000000", "device-id.new", "device-id.new.toolong1",
                             "notes.txt", "device-id.new.ab-12c"})
        WriteFile(Path(name), "left");
    ASSERT_FALSE(DeviceIdStore(dir).Save(Filled(1)));
    EXPECT_EQ(Files(), (std::vector<std::string>{"device-id", "device-id.new", "device-id.new.ab-12c",
                                                 "device-id.new.toolong1", "notes.txt"}));
}

TEST_F(StateTest, AStoreWaitsForTheLockAnotherHolds) {
    auto held = dir.Lock();
    ASSERT_TRUE(std::holds_alternative<terminal::StateLock>(held)) << std::get<std::string>(held);
    std::optional<std::string> error;
    bool done = false;
    std::thread store([&] {
        error = DeviceIdStore(dir).Save(Filled(7));
        done = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(done) << "stored while another held the lock";
    held = std::string("released");
    store.join();
    EXPECT_FALSE(error) << *error;
    EXPECT_EQ(ReadFile(Path("device-id")), AsText(Filled(7)));
}

// A run killed at any point of a store leaves the old ID or the new one,
// whole; the temporaries it leaves go with the next store.
TEST_F(StateTest, AStoreKilledAnywhereLeavesTheOldIdOrTheNewOne) {
    const DeviceIdBytes a = Filled(0x10), b = Filled(0x80);
    ASSERT_FALSE(DeviceIdStore(dir).Save(a));
    std::mt19937 rng(12345);
    int torn = 0;
    for (int kill = 0; kill < 50; ++kill) {
        pid_t child = fork();
        if (child == 0) {
            DeviceIdStore ids(dir);
            for (int i = 0;; ++i) ids.Save(i % 2 ? a : b);
        }
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(200 + rng() % 3000));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        std::string stored = ReadFile(Path("device-id"));
        if (stored != AsText(a) && stored != AsText(b)) ++torn;
    }
    EXPECT_EQ(torn, 0);
    ASSERT_FALSE(DeviceIdStore(dir).Save(a));
    EXPECT_EQ(Files(), std::vector<std::string>{"device-id"});
}

}  // namespace
