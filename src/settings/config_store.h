// Where config.qvr lives, and Set_Read / Set_Write on the real file.
//
// The file is kept beside the program when that folder is writable, otherwise in
// the user's configuration folder; an installed program keeps it only in the
// user's folder (config_location.h). Reading takes the file beside the program,
// else the one in the user's folder; when the program's folder is read-only and
// both exist, the user's copy is the one the game has been saving, so it wins.
#pragma once

#include <QString>

#include "cards/game_state.h"

namespace morvello {

class ConfigStore {
  public:
    // programDir: the folder of the executable; userDir: the user's configuration
    // folder, created when the file is first saved there.
    ConfigStore(QString programDir, QString userDir);

    // The executable's folder (none for an installed program) and
    // QStandardPaths::AppConfigLocation. Needs the QCoreApplication to exist.
    static ConfigStore forThisProgram();

    // Loads the stored options, names, deck and dealer into g. A missing or
    // damaged file gives the defaults of what cannot be read; never throws.
    void Set_Read(GameState& g) const;

    // Rewrites the whole file from g, atomically. On failure writes one line to
    // stderr, leaves any old file as it was and returns false; never throws.
    bool Set_Write(const GameState& g) const;

    // The file Set_Read reads (empty when there is none) and the one Set_Write writes.
    QString readPath() const;
    QString writePath() const;

  private:
    bool programDirWritable() const;
    QString programFile() const;
    QString userFile() const;

    QString programDir_;
    QString userDir_;
};

}  // namespace morvello
