// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/LocalPages.h"
#include "qt/services/Translations.h"

#include <QApplication>
#include <gtest/gtest.h>

// GoogleTest inside a running QApplication (the platform comes from the
// environment: offscreen, or a virtual X server).
int main(int argc, char* argv[]) {
    // Qt WebEngine shares OpenGL contexts with the widgets; the attribute
    // must be set before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    localpages::registerScheme();
    QApplication app(argc, argv);
    installGermanTranslations(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
