// Gives the user's terminal back whatever ends or stops the process: every
// signal whose default action ends a process (HUP, INT, QUIT, TERM, USR1,
// ALRM, ... and the crash signals) and the stop signals (TSTP, TTIN, TTOU).
// The handler restores the terminal from what it saved, with async-signal-
// safe calls only, then lets the signal take its default action, so the
// shell sees the process end (128+N) or stop. After a stop the terminal is
// taken again when the process continues, and the screen is drawn whole.
#pragma once
#include <sys/types.h>

namespace ce::console::tty {

// Saves the terminal's modes as the user had them and installs the
// handlers; before the screen takes the terminal.
void Install();
// The screen has the terminal (raw modes, alternate screen): a signal must
// give it back. False while it is lent to another program or ended.
void SetActive(bool active);
// Saves the screen's own terminal modes, to set again after a stop.
void SaveScreenModes();
// A program started on the screen (0: none): a signal that ends this
// process ends it first, and waits for it.
void SetChild(pid_t child);
// True, once, when the process has stopped and continued while the screen
// had the terminal: it must be taken again and drawn whole.
bool TakeResumed();
bool ResumePending();
// Sets the terminal's modes back as the user had them.
void RestoreUserModes();
// That, and the sequences that undo the screen's modes.
void Restore();

}  // namespace ce::console::tty
