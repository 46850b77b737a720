#include "platform/gui/MessageBoxNotifier.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
QWidget* elternfenster() {
    return QApplication::activeWindow();
}
} // namespace

void MessageBoxNotifier::melden(Art art, const QString& text, const QString& titel) {
    QMessageBox box(elternfenster());
    box.setWindowTitle(titel.isEmpty() ? standardTitel() : titel);
    box.setText(text);
    switch (art) {
    case Art::Warnung:
        box.setIcon(QMessageBox::Warning);
        break;
    case Art::Fehler:
        box.setIcon(QMessageBox::Critical);
        break;
    default:
        box.setIcon(QMessageBox::Information);
        break;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

bool MessageBoxNotifier::fragen(const QString& text, const QString& titel) {
    QMessageBox box(elternfenster());
    box.setWindowTitle(titel.isEmpty() ? standardTitel() : titel);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(nein);
    box.exec();
    return box.clickedButton() == ja;
}
