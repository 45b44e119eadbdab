#pragma once

#include <QString>

// How a benchmark process tells its parent what it found, and how any part
// of the program notes that a figure cannot be trusted.
namespace bench {

// One figure of a child process, as a "name value" line on stdout.
void PrintFigure(const char* name, double value);

// Writes the reason to stderr; the program then ends with a failure status.
void NoteFailure(const QString& why);
bool AnyFailure();

// What the program is doing now, on stderr: a run takes minutes.
void Progress(const QString& step);

} // namespace bench
