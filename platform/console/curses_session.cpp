#include "console/curses_session.h"

#include <langinfo.h>
#include <locale.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#define NCURSES_WIDECHAR 1
#include <ncursesw/curses.h>

#include "console/terminal_view.h"
#include "console/tty_guard.h"

namespace ce::console {

namespace {

bool g_active = false;

void UseUtf8Locale() {
    setlocale(LC_ALL, "");
    const char* codeset = nl_langinfo(CODESET);
    if (!codeset || std::strcmp(codeset, "UTF-8") != 0) setlocale(LC_CTYPE, "C.UTF-8");
}

short g_pairs = 0;

enum Pair : short {
    kPairBezel = 1, kPairDesktop, kPairWindow, kPairCaption, kPairCaptionButton, kPairButton, kPairEdit,
    kPairIcon, kPairBusy, kPairBusyText, kPairPanelTitle, kPairDark, kPairSelected,
};

void InitColours() {
    if (!has_colors()) return;
    start_color();
    use_default_colors();
    init_pair(kPairBezel, COLOR_CYAN, -1);
    init_pair(kPairDesktop, COLOR_BLACK, COLOR_CYAN);
    init_pair(kPairWindow, COLOR_BLACK, COLOR_WHITE);
    init_pair(kPairCaption, COLOR_WHITE, COLOR_BLUE);
    init_pair(kPairCaptionButton, COLOR_YELLOW, COLOR_BLUE);
    init_pair(kPairButton, COLOR_BLACK, COLOR_WHITE);
    init_pair(kPairEdit, COLOR_BLUE, COLOR_WHITE);
    init_pair(kPairIcon, COLOR_BLACK, COLOR_YELLOW);
    init_pair(kPairBusy, COLOR_GREEN, -1);
    init_pair(kPairBusyText, COLOR_YELLOW, -1);
    init_pair(kPairPanelTitle, COLOR_CYAN, -1);
    init_pair(kPairDark, COLOR_WHITE, COLOR_BLACK);
    init_pair(kPairSelected, COLOR_WHITE, COLOR_BLUE);
    g_pairs = kPairSelected;
}

attr_t Attributes(Style s, short& pair) {
    bool colour = g_pairs > 0;
    auto p = [&](short n) { pair = colour ? n : 0; };
    pair = 0;
    switch (s) {
        case Style::Normal: return A_NORMAL;
        case Style::Bezel: p(kPairBezel); return A_NORMAL;
        case Style::BezelLabel: p(kPairBezel); return A_BOLD;
        case Style::Desktop: p(kPairDesktop); return A_NORMAL;
        case Style::Window: p(kPairWindow); return A_NORMAL;
        case Style::Caption: p(kPairCaption); return colour ? A_BOLD : A_REVERSE;
        case Style::CaptionButton: p(kPairCaptionButton); return colour ? A_BOLD : A_REVERSE;
        case Style::Button: p(kPairButton); return A_NORMAL;
        case Style::FocusedButton: p(kPairButton); return A_REVERSE | A_BOLD;
        case Style::Edit: p(kPairEdit); return A_UNDERLINE;
        case Style::FocusedEdit: p(kPairEdit); return A_UNDERLINE | A_BOLD;
        case Style::Icon: p(kPairIcon); return A_BOLD;
        case Style::Busy: p(kPairBusy); return A_BOLD;
        case Style::BusyText: p(kPairBusyText); return A_BOLD;
        case Style::Status: return A_BOLD;
        case Style::Panel: return A_NORMAL;
        case Style::PanelTitle: p(kPairPanelTitle); return A_BOLD | A_UNDERLINE;
        case Style::PanelValue: return A_BOLD;
        case Style::Dark: p(kPairDark); return A_DIM;
        case Style::Selected: p(kPairSelected); return colour ? A_BOLD : A_REVERSE;
    }
    return A_NORMAL;
}

bool Printable(wint_t c) { return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0); }

}  // namespace

std::optional<std::string> CursesSession::Start() {
    if (g_active) return std::nullopt;
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO))
        return std::string("standard input and output are not a terminal");
    const char* term = std::getenv("TERM");
    if (!term || !*term || std::strcmp(term, "dumb") == 0) return std::string("TERM names no terminal that can show the screen");
    UseUtf8Locale();
    // Ours first, so that ncurses leaves the terminating and stop signals to us.
    tty::Install();
    set_escdelay(25);
    if (!newterm(nullptr, stdout, stdin)) return std::string("the terminal \"") + term + "\" is not known to ncurses";
    // No atexit here: a program's exit-time code still uses the screen after
    // everything registered now has run. Its exit report ends the session.
    g_active = true;
    cbreak();  // Ctrl-C still interrupts
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    mousemask(BUTTON1_PRESSED | BUTTON1_CLICKED, nullptr);
    mouseinterval(0);
    InitColours();
    // Pasted text arrives bracketed, so that it can be taken whole.
    std::fputs("\033[?2004h", stdout);
    std::fflush(stdout);
    tty::SaveScreenModes();
    tty::SetActive(true);
    return std::nullopt;
}

CursesSession& CursesSession::Get() {
    // Never destroyed: a program's exit-time code draws on it after the
    // statics made since start-up are gone.
    static CursesSession* session = new CursesSession;
    return *session;
}

bool CursesSession::Active() { return g_active; }

void CursesSession::End() {
    if (!g_active) return;
    tty::SetActive(false);
    std::fputs("\033[?2004l", stdout);
    std::fflush(stdout);
    endwin();
    g_active = false;
    tty::RestoreUserModes();
}

void CursesSession::Pause() {
    tty::SetActive(false);
    std::fputs("\033[?2004l", stdout);
    std::fflush(stdout);
    def_prog_mode();
    endwin();
}

void CursesSession::Resume() {
    reset_prog_mode();
    std::fputs("\033[?2004h", stdout);
    std::fflush(stdout);
    clearok(curscr, TRUE);
    refresh();
    tty::SetActive(true);
}

void CursesSession::TakeBackAfterStop() {
    // ncurses still believes it has the terminal: leave through it and come
    // back, so that every mode it set is set again, then draw everything.
    std::fflush(stdout);
    endwin();
    Resume();
    mousemask(0, nullptr);
    mousemask(BUTTON1_PRESSED | BUTTON1_CLICKED, nullptr);
    int shown = curs_set(1);
    if (shown != ERR) curs_set(shown);
}

std::pair<int, int> CursesSession::Size() const {
    int rows = 0, columns = 0;
    getmaxyx(stdscr, rows, columns);
    return {columns, rows};
}

bool CursesSession::BigEnough() const {
    auto [columns, rows] = Size();
    return columns >= kMinimumColumns && rows >= kMinimumRows;
}

Input CursesSession::Read(int timeoutMs) {
    Input in;
    wtimeout(stdscr, timeoutMs);
    wint_t c = 0;
    int got = wget_wch(stdscr, &c);
    if (got == ERR) {
        // A closed terminal reads as an error at once; a timeout only after
        // waiting; a signal (a stop and continue among them) interrupts a read.
        if (tty::ResumePending()) {
            in.kind = Input::Kind::Resize;
        } else if (!isatty(STDIN_FILENO)) {
            in.kind = Input::Kind::End;
        } else if (timeoutMs < 0) {
            pollfd fd{STDIN_FILENO, POLLIN, 0};
            if (poll(&fd, 1, 0) > 0 && (fd.revents & (POLLHUP | POLLERR | POLLNVAL))) in.kind = Input::Kind::End;
        }
        return in;
    }
    if (got == KEY_CODE_YES) {
        in.kind = Input::Kind::Key;
        switch (c) {
            case KEY_RESIZE: in.kind = Input::Kind::Resize; return in;
            case KEY_MOUSE: {
                MEVENT ev;
                if (getmouse(&ev) == OK && (ev.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED))) {
                    in.kind = Input::Kind::Click;
                    in.x = ev.x;
                    in.y = ev.y;
                } else {
                    in.kind = Input::Kind::Timeout;
                }
                return in;
            }
            case KEY_BTAB: in.key = kKeyBackTab; return in;
            case KEY_ENTER: in.key = kKeyEnter; return in;
            case KEY_BACKSPACE: in.key = kKeyBackspace; return in;
            case KEY_DC: in.key = kKeyDelete; return in;
            case KEY_HOME: in.key = kKeyHome; return in;
            case KEY_END: in.key = kKeyEnd; return in;
            case KEY_LEFT: in.key = kKeyLeft; return in;
            case KEY_RIGHT: in.key = kKeyRight; return in;
            case KEY_UP: in.key = kKeyUp; return in;
            case KEY_DOWN: in.key = kKeyDown; return in;
            default: in.key = kKeyOther; return in;
        }
    }
    in.kind = Input::Kind::Key;
    switch (c) {
        case '\t': in.key = kKeyTab; return in;
        case '\r':
        case '\n': in.key = kKeyEnter; return in;
        case 127:
        case 8: in.key = kKeyBackspace; return in;
        case ' ': in.key = kKeySpace; return in;
        case 27: {
            // Esc alone, or the start of a sequence ncurses did not know:
            // bracketed paste ("ESC [200~ ... ESC [201~") or something to skip.
            std::u32string seq;
            wtimeout(stdscr, 0);
            wint_t n = 0;
            while (seq.size() < 8 && wget_wch(stdscr, &n) == OK) {
                seq += static_cast<char32_t>(n);
                if (n >= 0x40 && n <= 0x7E && seq.size() > 1) break;
            }
            if (seq.empty()) {
                in.key = kKeyEscape;
                return in;
            }
            if (seq == U"[200~") {
                std::u32string pasted;
                wtimeout(stdscr, 1000);
                while (wget_wch(stdscr, &n) != ERR) {
                    pasted += static_cast<char32_t>(n);
                    if (pasted.size() >= 6 && pasted.compare(pasted.size() - 6, 6, U"\033[201~") == 0) {
                        pasted.erase(pasted.size() - 6);
                        break;
                    }
                }
                in.kind = Input::Kind::Text;
                in.text = pasted;
                return in;
            }
            in.key = kKeyOther;
            return in;
        }
        default: break;
    }
    if (!Printable(c)) {
        in.key = kKeyOther;
        return in;
    }
    // Characters that arrive together (a paste without brackets) are one input.
    in.kind = Input::Kind::Text;
    in.text += static_cast<char32_t>(c);
    wtimeout(stdscr, 0);
    wint_t n = 0;
    int more;
    while ((more = wget_wch(stdscr, &n)) == OK && Printable(n) && n != ' ') in.text += static_cast<char32_t>(n);
    if (more != ERR) unget_wch(static_cast<wchar_t>(n));
    return in;
}

int CursesSession::Drain() {
    int count = 0;
    while (true) {
        Input in = Read(0);
        if (in.kind == Input::Kind::Timeout || in.kind == Input::Kind::End) return count;
        if (in.kind != Input::Kind::Resize) ++count;
    }
}

void CursesSession::Show(const Canvas& canvas, std::optional<std::pair<int, int>> caret) {
    if (tty::TakeResumed()) TakeBackAfterStop();
    auto [columns, rows] = Size();
    if (!BigEnough()) {
        werase(stdscr);
        char line[160];
        std::snprintf(line, sizeof line, "The simulated terminal needs a window of at least %d x %d characters;",
                      kMinimumColumns, kMinimumRows);
        mvaddnstr(0, 0, line, columns);
        std::snprintf(line, sizeof line, "this one is %d x %d. Make it larger (Ctrl-C quits).", columns, rows);
        mvaddnstr(1, 0, line, columns);
        curs_set(0);
        wnoutrefresh(stdscr);
        doupdate();
        return;
    }
    for (int y = 0; y < canvas.height() && y < rows; ++y) {
        for (int x = 0; x < canvas.width() && x < columns; ++x) {
            const Cell& cell = canvas.At(x, y);
            if (cell.wideTail) continue;
            short pair = 0;
            attr_t attrs = Attributes(cell.style, pair);
            wchar_t text[2] = {static_cast<wchar_t>(cell.ch), 0};
            cchar_t cc;
            setcchar(&cc, text, attrs, pair, nullptr);
            mvadd_wch(y, x, &cc);
        }
    }
    if (caret) {
        curs_set(1);
        move(caret->second, caret->first);
    } else {
        curs_set(0);
    }
    wnoutrefresh(stdscr);
    doupdate();
}

}  // namespace ce::console
