#pragma once

class QApplication;

namespace tarvo::app {

// The names the desktop knows Tarvo by: organisation and application (which
// also name the settings), the desktop entry, and the icon every window
// shows (the installed theme's, else the one built in).
void setApplicationIdentity(QApplication& application);

}  // namespace tarvo::app
