#include "lister/Dateilister.h"

#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

// The file lister runs without a window of its own: the main program only needs the
// published title while it works and the finished list afterwards.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Dorwent"));
    QCoreApplication::setApplicationName(QStringLiteral("Kelvora-PDF"));
    SettingsStore einstellungen;
    return ErstelleDateiliste(
        app.arguments().mid(1), QDir::currentPath(), einstellungen,
        [](const QString& text) { std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData()); });
}
