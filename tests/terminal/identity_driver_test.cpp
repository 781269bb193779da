// The identity driver takes exactly 64 bytes each way and refuses other sizes.
#include <gtest/gtest.h>

#include "drivers/identity_driver.h"
#include "kernel/system.h"

namespace {

using terminal::IdentityDriver;

struct Request {
    std::string name;
    DWORD code;
    DWORD inSize;
    bool inBuffer;
    DWORD outSize;
    bool outBuffer;
    BOOL result;
};
void PrintTo(const Request& c, std::ostream* os) { *os << c.name; }

class IdentityRequests : public ::testing::TestWithParam<Request> {
protected:
    void SetUp() override { ce::System::Reset(); }
};

TEST_P(IdentityRequests, AcceptsOnlyTheExactSizes) {
    const Request& r = GetParam();
    terminal::DeviceIdBytes stored{};
    stored[0] = 'S';
    IdentityDriver driver(stored, nullptr);
    std::vector<BYTE> in(128, 'N'), out(128, 0xEE);
    DWORD returned = 0;
    BOOL result = driver.IOControl(driver.Open(GENERIC_READ, FILE_SHARE_READ), r.code, r.inBuffer ? in.data() : nullptr,
                                   r.inSize, r.outBuffer ? out.data() : nullptr, r.outSize, &returned);
    EXPECT_EQ(result, r.result);
    bool put = r.code == IdentityDriver::kPutDeviceId && r.result;
    EXPECT_EQ(driver.id()[0], put ? 'N' : 'S');
    if (r.code == IdentityDriver::kGetDeviceId && r.result) {
        EXPECT_EQ(out[0], 'S');
        EXPECT_EQ(out[64], 0xEE) << "wrote past 64 bytes";
    } else {
        EXPECT_EQ(out[0], 0xEE) << "a refused request writes nothing";
    }
}

const DWORD kGet = IdentityDriver::kGetDeviceId, kPut = IdentityDriver::kPutDeviceId;

INSTANTIATE_TEST_SUITE_P(
    Sizes, IdentityRequests,
    ::testing::Values(Request{"Get64", kGet, 0, false, 64, true, TRUE}, Request{"Get63", kGet, 0, false, 63, true, FALSE},
                      Request{"Get65", kGet, 0, false, 65, true, FALSE}, Request{"GetNoBuffer", kGet, 0, false, 64, false, FALSE},
                      Request{"GetWithInput", kGet, 4, true, 64, true, FALSE}, Request{"Put64", kPut, 64, true, 0, false, TRUE},
                      Request{"Put63", kPut, 63, true, 0, false, FALSE}, Request{"Put128", kPut, 128, true, 0, false, FALSE},
                      Request{"PutNoBuffer", kPut, 64, false, 0, false, FALSE},
                      Request{"PutWithOutput", kPut, 64, true, 64, true, FALSE},
                      Request{"UnknownCode", 0xF0072128, 0, false, 64, true, FALSE}),
    [](const auto& info) { return info.param.name; });

}  // namespace
