#include "app/gui/Anwendung.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStringList argumente = QApplication::arguments();
    argumente.removeFirst();
    Anwendung anwendung(argumente);
    return anwendung.ausfuehren();
}
