#pragma once
// The interface language: Chinese, the language the texts are written in, unless the user
// asks for English by the option --lang or by the locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).

#include <QString>
#include <filesystem>
#include <optional>

class QCoreApplication;

namespace tavelo {

enum class ELanguage { kChinese, kEnglish };

// The name the option takes: "zh" or "en".
QString LanguageName(ELanguage language);

// The language an option value names; none for an unknown one.
std::optional<ELanguage> ParseLanguage(const QString& name);

// The locale's language when it is English, else Chinese.
ELanguage LocaleLanguage();

// Installs the texts of the language into the application: for English tavelo_en.qm from the
// program's directory, for Chinese Qt's own texts (standard buttons, file dialogs) in Chinese.
// False when the file is missing; the texts then stay as written.
bool InstallLanguage(QCoreApplication& application, ELanguage language,
                     const std::filesystem::path& programDir);

}  // namespace tavelo
