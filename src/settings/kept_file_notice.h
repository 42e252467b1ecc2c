// What the player is told, on standard error, about a file the game keeps and
// leaves alone or cannot save: each sentence once in a run.
#pragma once

#include <QString>
#include <string>

#include "files/kept_file.h"

namespace morvello {

// The path as the files module takes it.
std::string filePath(const QString& path);

// Writes "morvello: <message>" on standard error, unless it was said already.
void sayOnce(const QString& message);

// Why the file was not read, or not saved; empty when there is nothing to say.
QString notReadReason(const QString& path, const files::ReadResult& read);
QString notSavedReason(const QString& path, const files::SaveResult& saved);

// Reads the file through the files module, saying once why it was not read.
files::ReadResult readAndSay(const QString& path, const files::ReadBound& bound);

// Moves a file that cannot be used out of the way: it keeps its bytes under a
// name of its own, `<path>.damaged-<date and time>`, never overwritten. The
// new name, or an empty one when it could not be moved.
QString setAsideKeptFile(const QString& path);

}  // namespace morvello
