#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <system_error>

#include "settings/install_layout.h"

namespace morvello {
namespace {

const QString kCatalogue = QStringLiteral("morvello");
const QString kQtCatalogue = QStringLiteral("qtbase");
const QString kPrefix = QStringLiteral("_");
const QString kOption = QStringLiteral("--language");

QString folderText(const std::filesystem::path& folder) {
    return QString::fromStdString(folder.string());
}

}  // namespace

std::filesystem::path translationsFolder(const std::filesystem::path& programFolder) {
    const char* const name = "translations";
    std::error_code ec;
    const std::filesystem::path beside = programFolder / name;
    if (std::filesystem::is_directory(beside, ec)) return beside;
    return installedDataFolder(programFolder) / name;
}

LanguageArgument languageArgument(const QStringList& arguments) {
    LanguageArgument found;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.startsWith(kOption + QLatin1Char('='))) {
            found.code = argument.mid(kOption.size() + 1);
        } else if (argument == kOption) {
            if (i + 1 < arguments.size())
                found.code = arguments[++i];
            else
                found.code = QString();
        }
    }
    if (found.code && found.code->isEmpty())
        found.error = QStringLiteral("--language needs a language code, such as it or en");
    return found;
}

GameLanguage::GameLanguage(const QLocale& locale, const std::filesystem::path& folder) {
    if (!game_.load(locale, kCatalogue, kPrefix, folderText(folder))) return;
    language_ = QLocale(game_.language()).name().section(QLatin1Char('_'), 0, 0);
    QCoreApplication::installTranslator(&game_);
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qt_.load(QLocale(language_), kQtCatalogue, kPrefix, qtFolder))
        QCoreApplication::installTranslator(&qt_);
}

GameLanguage::~GameLanguage() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&game_);
}

}  // namespace morvello
