// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installGermanTranslations(QCoreApplication& app) {
    // The window speaks German whatever the user's locale, and so do Qt's
    // own dialogs and the formats they show.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool all = true;
    for (const char* catalogue : {"qtbase_de", "qtwebengine_de"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(catalogue), folder)) {
            QCoreApplication::installTranslator(translator);
        } else {
            delete translator;
            all = false;
        }
    }
    return all;
}
