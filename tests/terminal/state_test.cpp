// The terminal's persisted device ID: a new state, a damaged one, and
// replacement that leaves no half-written file.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "state/device_id_store.h"

namespace {

using terminal::DeviceIdBytes;
using terminal::DeviceIdStore;
using terminal::StateDir;

class StateTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/terminal-state-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        root = tmpl;
    }
    void TearDown() override { std::system(("rm -rf '" + root + "'").c_str()); }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        if (DIR* d = opendir((root + "/state").c_str())) {
            while (dirent* e = readdir(d))
                if (e->d_name[0] != '.') names.push_back(e->d_name);
            closedir(d);
        }
        return names;
    }
    void WriteRaw(const std::string& bytes) {
        std::ofstream(root + "/state/device-id", std::ios::binary) << bytes;
    }
    std::string root;
};

TEST_F(StateTest, ANewStateHoldsAShortAsciiIdThenZeros) {
    StateDir dir(root + "/state");
    ASSERT_FALSE(dir.Ensure());
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
    StateDir dir(root + "/state");
    ASSERT_FALSE(dir.Ensure());
    DeviceIdBytes id{};
    for (int i = 0; i < 64; ++i) id[i] = static_cast<uint8_t>(0xC0 + i);
    ASSERT_FALSE(DeviceIdStore(dir).Save(id));
    auto loaded = DeviceIdStore(dir).Load();
    ASSERT_TRUE(std::holds_alternative<DeviceIdBytes>(loaded));
    EXPECT_EQ(std::get<DeviceIdBytes>(loaded), id);
    EXPECT_EQ(Files(), std::vector<std::string>{"device-id"});
}

TEST_F(StateTest, ADamagedFileIsReportedAndLeftAsItIs) {
    StateDir dir(root + "/state");
    ASSERT_FALSE(dir.Ensure());
    for (std::string content : {std::string(""), std::string(63, 'x'), std::string(65, 'x')}) {
        WriteRaw(content);
        auto id = DeviceIdStore(dir).Load();
        ASSERT_TRUE(std::holds_alternative<std::string>(id)) << content.size() << " bytes accepted";
        EXPECT_NE(std::get<std::string>(id).find("damaged (" + std::to_string(content.size()) + " bytes"), std::string::npos)
            << std::get<std::string>(id);
        std::ifstream in(root + "/state/device-id", std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), content);
    }
}

TEST_F(StateTest, AFailedWriteKeepsTheOldId) {
    StateDir dir(root + "/state");
    ASSERT_FALSE(dir.Ensure());
    ASSERT_FALSE(DeviceIdStore(dir).Save(DeviceIdStore::Factory()));
    // A folder where the new file would go makes the write fail, even for root.
    ASSERT_EQ(mkdir((root + "/state/device-id.new").c_str(), 0755), 0);
    auto error = DeviceIdStore(dir).Save(DeviceIdBytes{});
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("device-id.new"), std::string::npos) << *error;
    EXPECT_EQ(std::get<DeviceIdBytes>(DeviceIdStore(dir).Load()), DeviceIdStore::Factory());
}

TEST_F(StateTest, AFolderInTheWayIsReported) {
    std::ofstream(root + "/file") << "x";
    StateDir dir(root + "/file/state");
    auto error = dir.Ensure();
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(root + "/file"), std::string::npos) << *error;
}

}  // namespace
