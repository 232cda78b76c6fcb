#pragma once
// A logout or a shutdown ends the program: nothing unsaved is lost (the
// recovery copy is written), the book's lock goes, and no question waits
// for an answer nobody will give. Linux says so with SIGTERM or SIGHUP,
// Windows with commitDataRequest (WM_QUERYENDSESSION) before it ends the
// program.

class QGuiApplication;

namespace miravel {

class frmMain;

// Ends `window` when the session ends; `ended` (alive as long as the
// window) then becomes true.
void EndWithTheSession(QGuiApplication& app, frmMain& window, bool& ended);

} // namespace miravel
