#include "cli/Befehle.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kelvora-PDF"));
    QTextStream aus(stdout), fehler(stderr), ein(stdin);
    SettingsStore einstellungen;
    Befehle befehle(einstellungen, {aus, fehler, ein, ::isatty(STDIN_FILENO) == 1});
    QStringList argumente = QCoreApplication::arguments();
    argumente.removeFirst();
    return befehle.ausfuehren(argumente);
}
