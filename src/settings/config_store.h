// Where config.qvr lives, and readConfig / writeConfig on the real file.
//
// The file is kept beside the program when that folder is writable and the file
// there, if any, is a regular file the game can read and write; otherwise in the
// user's configuration folder. An installed program keeps it only in the user's
// folder (config_location.h). Reading takes the file where the game saves, else
// the one beside the program, else the one in the user's folder.
//
// Only regular files are read or replaced: a link, a FIFO, a device or a folder
// named config.qvr is left alone (said once on standard error), so nothing can
// block the start or be overwritten through a link. A save leaves either the old
// file or the new one, never a part of either.
#pragma once

#include <QIODevice>
#include <QString>
#include <functional>

#include "cards/game_state.h"
#include "settings/sound_choices.h"

namespace morvello {

class ConfigStore {
  public:
    // Whether the game may open path with mode (ReadOnly or WriteOnly), asked before
    // the file's own permissions. Tests refuse through it, as permissions would for
    // a player, since they do not stop root.
    using AccessCheck = std::function<bool(const QString& path, QIODevice::OpenMode mode)>;

    // programDir: the folder of the executable; userDir: the user's configuration
    // folder, created when the file is first saved there.
    ConfigStore(QString programDir, QString userDir, AccessCheck access = {});

    // The executable's folder (none for an installed program) and
    // QStandardPaths::AppConfigLocation. Needs the QCoreApplication to exist.
    static ConfigStore forThisProgram();

    // Loads the stored options, names, deck and dealer into g, the Sounds menu's
    // choices into sound. A missing or damaged file gives the defaults of what
    // cannot be read; never throws.
    // Removes the temporary files that interrupted saves left in both folders.
    void readConfig(StoredGame& game, SoundChoices& sound) const;

    // Rewrites the whole file from g and sound, atomically. On failure writes one
    // line to stderr, leaves any old file as it was and returns false; never throws.
    bool writeConfig(const StoredGame& game, const SoundChoices& sound) const;

    // The file readConfig reads (empty when there is none) and the one writeConfig writes.
    QString readPath() const;
    QString writePath() const;

  private:
    bool programFileUsable() const;
    bool canRead(const QString& path) const;
    bool canWrite(const QString& path) const;
    void reportProgramFile() const;
    void removeStaleTemporaries() const;
    QString programFile() const;
    QString userFile() const;

    QString programDir_;
    QString userDir_;
    AccessCheck access_;
};

}  // namespace morvello
