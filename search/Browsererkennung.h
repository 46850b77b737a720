#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class SettingsStore;

// Which browser pictures the settings dialog offers and which one shows the chosen browser.
class TBrowsererkennung {
public:
    // The pictures in the order of the setting's values.
    enum Bild { Standard = 0, Ie, Edge, Chrome, Opera, Safari, Firefox, Anzahl };

    struct Bilder {
        std::array<bool, Anzahl> sichtbar{};
        std::array<QString, Anzahl> hinweis;
        // The picture AktuellerBrowser_Image shows; -1 when the setting names none.
        int aktuell = -1;
    };

    // Where installed browsers are looked for: the folders of the desktop's application
    // entries and the program search path.
    struct Quellen {
        QStringList anwendungsordner;
        std::function<bool(const QString&)> programmDa;
        // The desktop's folders and the search path of this process.
        static Quellen system();
    };

    // The setting value of a picture: "standard", "internet explorer", "edge", ...
    static QString wert(Bild bild);

    // The browsers installed, named as the list of internet clients names them
    // ("Firefox", "Google Chrome", "Opera"; Chromium stands in for Chrome).
    static QStringList installierteBrowser(const Quellen& quellen);
    static bool edgeInstalliert(const Quellen& quellen);

    // The browser pictures to show with their hints, and the current picture for the setting.
    static Bilder PruefeWelcheBrowserInstalliert(const QString& browserEinstellung,
                                                 const QStringList& browser, bool edge);
    static Bilder PruefeWelcheBrowserInstalliert(const SettingsStore& einstellungen,
                                                 const Quellen& quellen = Quellen::system());

    // A click on a picture: with a hint it becomes the browser ("Browser" is written at
    // once) and true is returned; an inactive picture changes nothing.
    static bool BildKlick(Bild bild, const QString& hinweis, SettingsStore& einstellungen);
};
