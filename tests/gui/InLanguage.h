// The editor's catalogues for one language installed for a scope, as the
// editor installs them at start; removed again (and the layout direction
// put back) at its end.
#pragma once

#include "qtkit/Translation.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QTranslator>

#include <gtest/gtest.h>

// Every catalogue removed, the layout left to right again.
inline void RemoveTranslations() {
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

class CInLanguage {
public:
    explicit CInLanguage(const char* language) {
        EXPECT_TRUE(InstallTranslations(*qApp, QLocale(language), {VELMAR_TRANSLATIONS_DIR}))
            << "no catalogue for " << language;
    }
    ~CInLanguage() { RemoveTranslations(); }
    CInLanguage(const CInLanguage&) = delete;
    CInLanguage& operator=(const CInLanguage&) = delete;
};
