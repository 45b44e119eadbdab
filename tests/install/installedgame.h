#pragma once

// The game as an installed copy starts it, run by the folder tests in a child
// process: the folder comes from the one folder rule, not from the test.
namespace installedgame {

// Prints "folder: ..." and each record as "record: NAME TIME"; "play" then
// chooses the second picture set and adds a record; both leave through the
// exit button. Messages are printed as "message: ...".
int Run(const char* what);

} // namespace installedgame
