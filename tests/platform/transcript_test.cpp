// The transcript's JSON form of each kind of value.
#include <gtest/gtest.h>

#include "trace/event.h"
#include "windows.h"

namespace {

using ce::trace::Event;

TEST(TranscriptJson, WritesEachKindOfValue) {
    const uint8_t bytes[] = {0x00, 0xAB, 0x7F};
    std::u16string text = {u'A', 0, u'"', u'\\', u'\n', u'中', 0xD83D, 0xDE00, 0xDC00};
    Event e("probe");
    e.t = 1500;
    e.Text("text", text)
        .Hex("bytes", bytes, 3)
        .Hex("none", nullptr, 0)
        .Handle("null", nullptr)
        .Handle("invalid", INVALID_HANDLE_VALUE)
        .Num("code", 0xF0072120)
        .Bool("flag", true);
    EXPECT_EQ(ToJson(e),
              "{\"t\":1500,\"ev\":\"probe\",\"text\":\"A\\u0000\\\"\\\\\\n中😀\\udc00\",\"bytes\":\"00ab7f\","
              "\"none\":null,\"null\":0,\"invalid\":-1,\"code\":4026999072,\"flag\":true}");
}

}  // namespace
