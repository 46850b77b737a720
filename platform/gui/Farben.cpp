#include "platform/gui/Farben.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

namespace Farben {

QColor farbe(Farbtext::Farbwert wert) {
    if ((wert & 0xFF000000u) == 0x80000000u) {
        const QPalette p = QGuiApplication::palette();
        switch (wert & 0xFF) {
        case 0x00: // scroll bar
            return p.color(QPalette::Button);
        case 0x05: // window
            return p.color(QPalette::Base);
        case 0x08: // window text
            return p.color(QPalette::Text);
        case 0x0D:
            return p.color(QPalette::Highlight);
        case 0x0E:
            return p.color(QPalette::HighlightedText);
        case 0x0F: // button face
            return p.color(QPalette::Button);
        case 0x11: // grey text
            return p.color(QPalette::Disabled, QPalette::Text);
        case 0x12:
            return p.color(QPalette::ButtonText);
        case 0x17:
            return p.color(QPalette::ToolTipText);
        case 0x18:
            return p.color(QPalette::ToolTipBase);
        default:
            return p.color(QPalette::Window);
        }
    }
    return QColor(wert & 0xFF, (wert >> 8) & 0xFF, (wert >> 16) & 0xFF);
}

Farbtext::Farbwert wert(const QColor& f) {
    return Farbtext::rgb(f.red(), f.green(), f.blue());
}

QColor ausText(const QString& text, const QColor& ersatz) {
    const auto w = Farbtext::wert(text);
    return w ? farbe(*w) : ersatz;
}

QColor abgedunkelt(const QColor& f, int prozent) {
    auto kanal = [prozent](int c) { return c + c * prozent / 100; };
    return QColor(kanal(f.red()), kanal(f.green()), kanal(f.blue()));
}

void hintergrund(QWidget* w, const QColor& farbe) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, farbe);
    // A tool bar fills itself with the button colour.
    p.setColor(w->backgroundRole(), farbe);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void textfarbe(QWidget* w, const QColor& farbe) {
    QPalette p = w->palette();
    for (const QPalette::ColorGroup gruppe : {QPalette::Active, QPalette::Inactive})
        for (const QPalette::ColorRole rolle :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            p.setColor(gruppe, rolle, farbe);
    w->setPalette(p);
}

} // namespace Farben
