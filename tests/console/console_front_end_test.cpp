// The interactive front end's keys and clicks, on Velkin's dialog, with a
// display that plays back input: each key or click becomes the user action
// a person means, and input during a wait is dropped.
#include <deque>

#include "VelkinDlg.h"
#include "console/console_front_end.h"
#include "support/dialog_fixture.h"

namespace test {
namespace {

using namespace ce::console;

class FakeDisplay : public Display {
public:
    Input Read(int timeoutMs) override {
        if (inputs.empty()) {
            Input none;
            none.kind = timeoutMs < 0 ? Input::Kind::End : Input::Kind::Timeout;
            return none;
        }
        Input in = inputs.front();
        inputs.pop_front();
        return in;
    }
    int Drain() override {
        int n = static_cast<int>(inputs.size());
        inputs.clear();
        return n;
    }
    std::pair<int, int> Size() const override { return {kMinimumColumns, kMinimumRows}; }
    void Show(const Canvas& canvas, std::optional<std::pair<int, int>>) override { shown.push_back(canvas); }

    std::deque<Input> inputs;
    std::vector<Canvas> shown;
};

Input K(int key) {
    Input in;
    in.kind = Input::Kind::Key;
    in.key = key;
    return in;
}
Input T(std::u32string text) {
    Input in;
    in.kind = Input::Kind::Text;
    in.text = std::move(text);
    return in;
}
// A click on a cell of the whole picture; the screen starts at (1, 1).
Input C(int x, int y) {
    Input in;
    in.kind = Input::Kind::Click;
    in.x = x;
    in.y = y;
    return in;
}

Expect User(const std::u16string& action) { return Expect("user").Text("action", action); }

struct InputCase {
    std::string name;
    Driver driver;
    std::vector<Input> inputs;
    std::vector<Expect> actions;  // the user events, in order
};
void PrintTo(const InputCase& c, std::ostream* os) { *os << c.name; }

class ConsoleInputTest : public DialogFixture, public ::testing::WithParamInterface<InputCase> {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        UseResources(VELKIN_RES);
    }
};

TEST_P(ConsoleInputTest, BecomesTheseActions) {
    const InputCase& c = GetParam();
    PlugIdentity(c.driver, Bytes64("SIM00001"));
    FakeDisplay display;
    display.inputs.assign(c.inputs.begin(), c.inputs.end());
    ConsoleFrontEnd screen(display, nullptr);
    sys->windows->SetFrontEnd(&screen);
    CVelkinDlg dlg;
    dlg.DoModal();
    EXPECT_TRUE(MatchesSequence(Only(recorder->events, {"user"}), c.actions));
    EXPECT_TRUE(Only(recorder->events, {"leftOpen", "scriptError"}).empty()) << "every input was taken";
}

// Velkin's cells: the edit box from (14, 6), the button from (14, 10), the
// caption's [OK] at (28, 1) and [x] at (32, 1); the failure box's OK at (18, 14).
INSTANTIATE_TEST_SUITE_P(
    KeysAndClicks, ConsoleInputTest,
    ::testing::Values(
        InputCase{"TabAndShiftTabMoveTheFocus", Driver::Accepting, {K(kKeyTab), K(kKeyBackTab), K(kKeyEscape)},
                  {User(u"focus").Num("id", 1001), User(u"focus").Num("id", 1000), User(u"cancel")}},
        InputCase{"EnterInTheEditBoxIsOk", Driver::Accepting, {K(kKeyEnter)}, {User(u"ok")}},
        InputCase{"SpaceOnTheFocusedButtonPressesIt", Driver::Accepting, {K(kKeyTab), K(kKeySpace), K(kKeyEscape)},
                  {User(u"focus"), User(u"click").Num("id", 1001), User(u"cancel")}},
        InputCase{"EnterOnTheFocusedButtonPressesIt", Driver::Accepting, {K(kKeyTab), K(kKeyEnter), K(kKeyEscape)},
                  {User(u"focus"), User(u"click").Num("id", 1001), User(u"cancel")}},
        InputCase{"TypingSetsTheWholeNewText", Driver::Accepting, {T(U"新ID"), K(kKeyEscape)},
                  {User(u"set-text").Num("id", 1000).Text("text", u"SIM00001新ID"), User(u"cancel")}},
        InputCase{"BackspaceAndDeleteEdit", Driver::Accepting,
                  {K(kKeyBackspace), K(kKeyHome), K(kKeyDelete), K(kKeyEscape)},
                  {User(u"set-text").Text("text", u"SIM0000"), User(u"set-text").Text("text", u"IM0000"),
                   User(u"cancel")}},
        InputCase{"CaretKeysAloneChangeNothing", Driver::Accepting,
                  {K(kKeyHome), K(kKeyRight), K(kKeyEnd), K(kKeyLeft), K(kKeyEscape)}, {User(u"cancel")}},
        InputCase{"AClickPressesTheButton", Driver::Accepting, {C(14, 10), K(kKeyEscape)},
                  {User(u"click").Num("id", 1001), User(u"cancel")}},
        InputCase{"TheCaptionsOkButton", Driver::Accepting, {C(28, 1)}, {User(u"ok")}},
        InputCase{"TheCaptionsCloseButton", Driver::Accepting, {C(32, 1)}, {User(u"cancel")}},
        InputCase{"AClickInTheEditBoxFocusesItAndPlacesTheCaret", Driver::Accepting,
                  {K(kKeyTab), C(14 + 3, 6), T(U"X"), K(kKeyEscape)},
                  {User(u"focus").Num("id", 1001), User(u"focus").Num("id", 1000),
                   User(u"set-text").Text("text", u"SIMX00001"), User(u"cancel")}},
        InputCase{"AClickOnNothingDoesNothing", Driver::Accepting, {C(5, 20), C(3, 3), K(kKeyEscape)}, {User(u"cancel")}},
        // The box takes the keyboard and the mouse; only its OK button takes a click.
        InputCase{"TheBoxIsDismissedByItsOkButton", Driver::Refusing,
                  {C(14, 10), C(14, 10), T(U"x"), C(18, 14), K(kKeyEscape)},
                  {User(u"click").Num("id", 1001), User(u"dismiss"), User(u"cancel")}},
        InputCase{"TheBoxIsDismissedByEnterOrEsc", Driver::Refusing,
                  {K(kKeyTab), K(kKeySpace), K(kKeyEnter), K(kKeySpace), K(kKeyEscape), K(kKeyEscape)},
                  {User(u"focus"), User(u"click"), User(u"dismiss"), User(u"click"), User(u"dismiss"), User(u"cancel")}}),
    [](const auto& info) { return info.param.name; });

TEST(ConsoleWait, InputDuringAWaitIsDroppedAndCounted) {
    ce::System::Reset(ce::Clock::Mode::Real);
    FakeDisplay display;
    display.inputs = {K(kKeyEnter), T(U"abc"), C(14, 10)};
    ConsoleFrontEnd screen(display, nullptr);
    screen.Wait(200);
    EXPECT_TRUE(display.inputs.empty());
    ASSERT_FALSE(display.shown.empty());
    const Canvas& last = display.shown.back();
    EXPECT_NE(last.RowText(kCaseHeight - 1).find("of 0.2 s ["), std::string::npos) << last.RowText(kCaseHeight - 1);
    EXPECT_NE(last.RowText(kCaseHeight).find("3 inputs dropped"), std::string::npos) << last.RowText(kCaseHeight);
    ce::System::Reset();
}

TEST(ConsoleSuspend, TheScreenStaysDarkUntilAKey) {
    ce::System::Reset();
    FakeDisplay display;
    Input resize;
    resize.kind = Input::Kind::Resize;
    display.inputs = {resize, K(kKeyOther), K(kKeyEnter)};
    ConsoleFrontEnd screen(display, nullptr);
    screen.Suspend();
    EXPECT_EQ(display.inputs.size(), 1u) << "the first key wakes it";
    ASSERT_EQ(display.shown.size(), 2u) << "painted again after the resize";
    EXPECT_NE(display.shown[1].RowText(11).find("The terminal is suspended."), std::string::npos);
}

}  // namespace
}  // namespace test
