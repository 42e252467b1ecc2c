// The language the game speaks: its own catalogue (morvello_<language>.qm) and
// Qt's catalogue of its dialogs and buttons (qtbase_<language>.qm), chosen from
// the locale as Qt reads it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) or from
// --language. English is the source text: with an English locale, or one the game
// has no catalogue for, nothing is loaded and every text stays as written.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <filesystem>
#include <optional>

namespace morvello {

// The folder of the game's catalogues: "translations" beside the program (the
// build folder), else the install's data folder's.
std::filesystem::path translationsFolder(const std::filesystem::path& programFolder);

// What --language asks for. Empty when absent; an error text when it is given
// without a language.
struct LanguageArgument {
    std::optional<QString> code;
    QString error;
};
LanguageArgument languageArgument(const QStringList& arguments);

// The two catalogues, installed in the application while this lives.
class GameLanguage {
  public:
    // Loads the catalogue of the first of the locale's languages the game has one
    // for, and Qt's of the same language, and installs both.
    GameLanguage(const QLocale& locale, const std::filesystem::path& folder);
    ~GameLanguage();
    GameLanguage(const GameLanguage&) = delete;
    GameLanguage& operator=(const GameLanguage&) = delete;

    // The language of the loaded catalogue ("it"), empty for English.
    QString language() const { return language_; }

  private:
    QTranslator game_;
    QTranslator qt_;
    QString language_;
};

}  // namespace morvello
