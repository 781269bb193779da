#include "sim/options.h"

#include <cstring>

#include "kernel/code_page.h"
#include "text/excerpt.h"
#include "text/utf.h"
#include "windows.h"

namespace terminal {

namespace {

std::string Quoted(const std::string& text) { return "\"" + ce::text::Excerpt(text) + "\""; }

std::string SupportedCodePages() {
    std::string list;
    for (UINT cp : ce::CodePages::SupportedList()) list += (list.empty() ? "" : ", ") + std::to_string(cp);
    return list;
}

}  // namespace

std::variant<DeviceIdBytes, std::string> DeviceIdFromHex(const std::string& hex) {
    std::string digits;
    for (char c : hex)
        if (c != ' ' && c != ':') digits += c;  // "41 42 43" and "41:42:43" read as "414243"
    if (digits.empty()) return std::string("--device-id-hex needs hex digits");
    if (digits.size() % 2) return "--device-id-hex: " + Quoted(hex) + " has an odd number of hex digits";
    if (digits.size() > 128) return "--device-id-hex: " + std::to_string(digits.size() / 2) + " bytes is over the 64 the ID holds";
    DeviceIdBytes id{};
    for (size_t i = 0; i < digits.size(); i += 2) {
        unsigned v = 0;
        for (size_t k = i; k < i + 2; ++k) {
            char c = digits[k];
            int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
            if (d < 0) return "--device-id-hex: " + Quoted(hex) + " is not hex (bad digit " + Quoted(std::string(1, c)) + ")";
            v = v * 16 + d;
        }
        id[i / 2] = static_cast<uint8_t>(v);
    }
    return id;
}

std::variant<DeviceIdBytes, std::string> DeviceIdFromText(const std::string& utf8, unsigned codePage) {
    auto wide = ce::text::FromUtf8(utf8);
    if (!wide) return std::string("--device-id: the text is not valid UTF-8");
    DeviceIdBytes id{};
    if (wide->empty()) return id;
    ce::CodePages pages;
    char buffer[1024];
    BOOL usedDefault = FALSE;
    int n = pages.ToMultiByte(codePage, wide->data(), static_cast<int>(wide->size()), buffer, sizeof buffer,
                              nullptr, &usedDefault);
    if (n == 0) return std::string("--device-id: the text is far over the 64 bytes the ID holds");
    if (usedDefault)
        return "--device-id: " + Quoted(utf8) + " has a character that code page " + std::to_string(codePage) + " cannot hold";
    if (n > 64)
        return "--device-id: " + Quoted(utf8) + " takes " + std::to_string(n) + " bytes in code page " +
               std::to_string(codePage) + ", over the 64 the ID holds";
    std::memcpy(id.data(), buffer, n);
    return id;
}

std::variant<RunnerOptions, std::string> ParseRunnerOptions(const std::vector<std::string>& args) {
    RunnerOptions o;
    std::optional<std::string> idText, idHex;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            return o;
        }
        if (arg.rfind("--", 0) != 0 || arg == "--") {
            if (arg == "--") {
                positional.insert(positional.end(), args.begin() + i + 1, args.end());
                break;
            }
            positional.push_back(arg);
            continue;
        }
        std::string name = arg, value;
        bool inlineValue = false;
        if (size_t eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            inlineValue = true;
        }
        static const char* kWithValue[] = {"--state", "--absent", "--refuse", "--device-id", "--device-id-hex",
                                           "--code-page", "--script", "--transcript", "--fail"};
        bool takesValue = false;
        for (const char* known : kWithValue) takesValue |= name == known;
        if (name == "--fail-startup" && !inlineValue) {
            o.config.failFrameworkStartup = true;
            continue;
        }
        if (name == "--status" && !inlineValue) {
            o.status = true;
            continue;
        }
        if (!takesValue) return "unknown option " + ce::text::Excerpt(name) + " (terminal-sim --help lists the options)";
        if (!inlineValue) {
            if (i + 1 >= args.size()) return name + " needs a value";
            value = args[++i];
        }
        if (name == "--state") {
            if (value.empty()) return std::string("--state needs a folder");
            o.config.stateDir = value;
        } else if (name == "--absent" || name == "--refuse") {
            auto parsed = SimConfig::ParseRefusal(value);
            if (auto* error = std::get_if<std::string>(&parsed)) return name + ": " + *error;
            const auto& [device, code] = std::get<0>(parsed);
            if (name == "--refuse")
                o.config.Refuse(device, code);
            else if (code)
                return "--absent " + Quoted(value) + ": an absent driver takes no request at all; drop the code";
            else
                o.config.absent.insert(device);
        } else if (name == "--fail") {
            auto parsed = SimConfig::ParseFailCall(value);
            if (auto* error = std::get_if<std::string>(&parsed)) return "--fail: " + *error;
            o.config.failCalls.push_back(std::get<0>(parsed));
        } else if (name == "--device-id") {
            idText = value;
        } else if (name == "--device-id-hex") {
            idHex = value;
        } else if (name == "--code-page") {
            char* end = nullptr;
            long cp = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end || cp <= 0 || cp > 65535 || !ce::CodePages::Supported(static_cast<unsigned>(cp)))
                return "unsupported code page " + Quoted(value) + " (supported: " + SupportedCodePages() + ")";
            o.config.codePage = static_cast<unsigned>(cp);
        } else if (name == "--script") {
            o.script = value;
        } else if (name == "--transcript") {
            o.transcript = value;
        }
    }
    for (const auto& n : o.config.absent)
        if (o.config.Refuses(n)) return n + " cannot be both absent and refusing";
    if (idText && idHex) return std::string("give the ID once: --device-id or --device-id-hex, not both");
    if (idText || idHex) {
        auto id = idText ? DeviceIdFromText(*idText, o.config.codePage) : DeviceIdFromHex(*idHex);
        if (auto* error = std::get_if<std::string>(&id)) return *error;
        o.config.deviceId = std::get<DeviceIdBytes>(id);
    }
    if (o.status) {
        // The state can be set and shown; nothing runs, so nothing else applies.
        if (!positional.empty()) return "--status runs no program: drop " + Quoted(positional[0]);
        if (o.script || o.transcript || !o.config.absent.empty() || !o.config.refusing.empty() ||
            o.config.failFrameworkStartup || !o.config.failCalls.empty())
            return std::string("--status runs no program: it takes only --state, --code-page and --device-id(-hex)");
        return o;
    }
    // No program: the home screen, which lets the user choose one.
    if (positional.empty()) return o;
    if (positional.size() > 1) return "one program at a time: " + Quoted(positional[1]) + " is one too many";
    o.program = positional[0];
    return o;
}

const char* RunnerHelp() {
    return R"(terminal-sim: run a program on the simulated handheld terminal.

usage: terminal-sim [options] [PROGRAM]
       terminal-sim [--state DIR] [--code-page N] [--device-id TEXT] --status

PROGRAM is Velkin (the device-ID tool) or Tarnell (the GPRS, backlight and
WLAN tool), found beside terminal-sim, or the path of a program built for the
simulated terminal. The program runs as on the terminal: its dialog, its
driver requests and, when it ends, the power-down request to the terminal's
HAL.

The screen
  In a text terminal (at least 80 x 28), without --script, the terminal is
  drawn with its screen and a panel of its hardware. Without PROGRAM it opens
  on the home screen, which starts either program and comes back when it
  ends; with PROGRAM that program starts at once and the shell comes back
  when it ends. Keys: Tab and Shift-Tab move the focus, Space or Enter press
  the focused button, Enter elsewhere is OK, Esc is Cancel; the mouse clicks
  buttons, the edit box and the caption's [OK] and [x]. While the program
  waits, a busy bar shows how long, and input is dropped. At exit the
  terminal suspends: a key wakes it. Ctrl-C stops the program. The time is
  real: "GPRS Power On" takes 9.5 s.

Scripting a run
  --script FILE        take the user's actions from FILE ('-': standard input),
                       one a line; '#' starts a comment, texts are JSON strings:
                         set-text ID "TEXT"  type TEXT into edit box ID
                         click ID            press button ID
                         focus ID            move the focus to control ID (Tab)
                         ok                  the caption bar's OK button
                         cancel              the close button, or Esc
                         dismiss             press OK on the message box in front
                         wait MS             idle for MS milliseconds
                       An action that doesn't fit the screen stops the run; a
                       script that ends with a window open closes it as Cancel
                       would. Both end with status 2.
  --transcript FILE    write every event of the run as JSON Lines to FILE
                       ('-': standard output). Without it, a readable account
                       of the run goes to standard output.
  Scripted runs use terminal time: waits cost no real time. Without a text
  terminal a run needs --script.

The terminal's drivers
  --absent NAME        the driver NAME is not there: opening it fails
  --refuse NAME        the driver NAME opens but refuses every request
  --refuse NAME:CODE   it refuses only the control code CODE (hex after 0x, or
                       decimal) and takes the others:
                       --refuse FIO1:0xF0072120 refuses the read of the ID
                       NAME is a driver name: FIO1: (the identity driver),
                       GPR1: (the GPRS modem's power), BKL1: (the backlight),
                       SDH1: (the WLAN module's power), or HAL (the power-down
                       request, 0x01013F00). All may be repeated.
  --code-page N        the terminal's ANSI code page (default 936; 1252 and the
                       other Windows code pages the host can convert)

The terminal's state
  --state DIR          where the terminal keeps its state (default:
                       $XDG_STATE_HOME/terminal-sim, else
                       ~/.local/state/terminal-sim). The device ID lives in
                       DIR/device-id (64 bytes), the modem's and the WLAN
                       module's power in DIR/gprs-power and DIR/wlan-power
                       ("on" or "off"), the backlight in DIR/backlight-level,
                       the count of suspends in DIR/suspend-count; all persist
                       from run to run. Runs on one folder at once take turns
                       through its lock file DIR/.lock. A file that holds
                       anything else, or is not a regular file, is damaged:
                       the run stops with one line and leaves it alone.
  --device-id TEXT     store the ID TEXT, in the code page, zero-filled to 64
                       bytes, once the state is found sound, before the
                       program's dialog opens
  --device-id-hex HEX  the same, given as hex bytes ("414243")
  --status             show what the state holds, device by device (the ID as
                       text in the code page and as hex), and run nothing;
                       status 1 when a file of it is damaged

Testing the program's own failures
  --fail CALL:N        make the N-th call of CALL fail, as a terminal short of
                       memory would (0, FALSE, NULL or INVALID_HANDLE_VALUE,
                       with ERROR_NOT_ENOUGH_MEMORY); CALL is CreateFileW,
                       DeviceIoControl, CloseHandle (the handle is still
                       released), KernelIoControl, WideCharToMultiByte,
                       MultiByteToWideChar, LoadIconW, DialogBoxParamW, or
                       Store (a driver's or the HAL's store in the state
                       folder). Calls count from the program's start; may be
                       repeated. The transcript records each as a fault event.
  --fail-startup       make the framework's start-up (AfxWinInit) fail

  --help               this text

Bad input (an unknown option or driver, bad hex, an ID over 64 bytes, an
unsupported code page, an unreadable file, a program that cannot start, a
malformed script line, a script over 16 MiB or a line over 1 MiB, a damaged
state file) is reported in one line on standard error with status 2, quoting
at most 200 characters of it with control characters escaped, and the state
is left untouched. A reader of the account or transcript that goes away ends
only that output, with one line; the run goes on to its power-down.
Otherwise the status is the program's exit code. A signal that ends or stops
the screen gives the terminal back first.

Example:
  terminal-sim --refuse FIO1: --script - Velkin <<'EOF'
  set-text 1000 "NEW-ID-42"
  click 1001
  dismiss
  ok
  EOF
)";
}

}  // namespace terminal
