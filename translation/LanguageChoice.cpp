#include "LanguageChoice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace tavelo {

QString LanguageName(ELanguage language) {
    return language == ELanguage::kEnglish ? QStringLiteral("en") : QStringLiteral("zh");
}

std::optional<ELanguage> ParseLanguage(const QString& name) {
    for (const ELanguage language : {ELanguage::kChinese, ELanguage::kEnglish})
        if (name.compare(LanguageName(language), Qt::CaseInsensitive) == 0) return language;
    return std::nullopt;
}

ELanguage LocaleLanguage() {
    const QStringList preferred = QLocale::system().uiLanguages();
    if (!preferred.isEmpty() && QLocale(preferred.first()).language() == QLocale::English)
        return ELanguage::kEnglish;
    return ELanguage::kChinese;
}

bool InstallLanguage(QCoreApplication& application, ELanguage language,
                     const std::filesystem::path& programDir) {
    auto translator = std::make_unique<QTranslator>(&application);
    const bool loaded = language == ELanguage::kEnglish
                            ? translator->load(QStringLiteral("tavelo_en"),
                                               QString::fromStdU16String(programDir.u16string()))
                            : translator->load(QStringLiteral("qtbase_zh_CN"),
                                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!loaded || !QCoreApplication::installTranslator(translator.get())) return false;
    translator.release();  // the application owns it now
    return true;
}

}  // namespace tavelo
