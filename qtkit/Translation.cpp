#include "qtkit/Translation.h"

#include "platform/Phrase.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <utility>

#ifndef VELMAR_TRANSLATIONS_BUILD_DIR
#define VELMAR_TRANSLATIONS_BUILD_DIR ""
#endif
#ifndef VELMAR_TRANSLATIONS_INSTALL_DIR
#define VELMAR_TRANSLATIONS_INSTALL_DIR "share/velmar/translations"
#endif

namespace {

// Qt lays a window out right to left when the catalogue translates this to
// "RTL"; each catalogue says which way its language runs, so the direction
// does not hang on Qt's own catalogue being installed.
constexpr const char* kLayoutDirection[] = {
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION")};

} // namespace

QString Text(const char* english) {
    return QCoreApplication::translate(kTextContext, english);
}

QString Text(std::string_view english) {
    return Text(std::string(english).c_str());
}

QString Text(const Phrase& phrase) {
    return QString::fromStdString(Compose(phrase, [](const Phrase& p) {
        const int n = static_cast<int>(std::min<std::uint64_t>(p.count, INT_MAX));
        return QCoreApplication::translate(kTextContext, p.Pattern(), nullptr, p.Numerus() ? n : -1)
            .toStdString();
    }));
}

bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders) {
    auto install = [&app](std::unique_ptr<QTranslator> translator) {
        translator->setParent(&app);
        QCoreApplication::installTranslator(translator.release());
    };
    bool found = false;
    for (const QString& folder : folders) {
        auto velmar = std::make_unique<QTranslator>();
        if (!folder.isEmpty() && velmar->load(locale, "velmar", "_", folder)) {
            install(std::move(velmar));
            found = true;
            break;
        }
    }
    // Qt's catalogue (the buttons of message boxes and file dialogs) only
    // when the editor speaks the language too: no half-translated window.
    if (found) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            install(std::move(qt));
    }
    // At once, not when the language-change event comes round: the frame is
    // built before the event loop runs.
    if (qobject_cast<QGuiApplication*>(&app))
        QGuiApplication::setLayoutDirection(
            QCoreApplication::translate("QGuiApplication", kLayoutDirection[0]) == "RTL"
                ? Qt::RightToLeft
                : Qt::LeftToRight);
    return found;
}

QStringList TranslationFolders() {
    // The installed catalogues first: an installed editor must not pick up
    // those of a build tree that happens to be still on the disk.
    const QDir bin(QCoreApplication::applicationDirPath());
    return {QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("../") +
                                                 QStringLiteral(VELMAR_TRANSLATIONS_INSTALL_DIR))),
            QString::fromUtf8(VELMAR_TRANSLATIONS_BUILD_DIR)};
}
