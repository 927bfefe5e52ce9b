// The program's life: the single-instance check and the run of the main window.
#pragma once

namespace orbello::platform {
class SingleInstance;
}

namespace orbello::window {

// True when this process is the only running game and may go on (it then holds the instance
// lock). Otherwise the running game has been asked to restore and raise its window.
bool CheckSingleInstance(platform::SingleInstance& instance);

// Makes the records' messages (settings, high scores, saved games) show in the player's language
// through the message handler installed now.
void SayRecordsInTheLanguage();

// Makes SIGTERM, SIGINT and SIGHUP end the event loop like a normal end (the window is taken down
// in order), with the status 128 + the signal's number. Needs a QApplication.
void QuitOnTerminationSignals();

// Builds the main window, shows it and runs the event loop; returns the exit status. Needs a
// QApplication.
int RunGame(platform::SingleInstance& instance);

}  // namespace orbello::window
