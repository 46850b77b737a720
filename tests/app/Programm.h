#pragma once

#include "app/gui/Anwendung.h"
#include "app/gui/TMainForm_Kelvora_PDF.h"
#include "platform/Platform.h"
#include "searchwin/Suchformp.h"
#include "settings/einstellformp.h"
#include "tests/common/TestUmgebung.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

// The whole program as main() builds it, in a fresh program folder that is the current
// folder (drive T:). Only the message boxes and the shell (browser, help, lister) answer
// and record in place of the person and the desktop; every other window, the settings
// store and the event pump are the real ones.
class Programm : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        SettingsStore().SchreibeRegKey(QStringLiteral("Laufwerk_T"), nativ());
        vorher_ = QDir::currentPath();
        QDir::setCurrent(nativ());
    }
    void TearDown() override {
        anwendung_.reset();
        QDir::setCurrent(vorher_);
        Umgebung::TearDown();
    }

    Anwendung& programm() {
        if (!anwendung_)
            anwendung_ = std::make_unique<Anwendung>(QStringList{},
                                                     Anwendung::Aussenwelt{&notifier, &shell});
        return *anwendung_;
    }
    // Shows the main window as the program's start does.
    TMainForm_Kelvora_PDF& starten() {
        TMainForm_Kelvora_PDF& f = programm().hauptfenster();
        f.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
        return f;
    }
    static QString wert(const QString& name) { return SettingsStore().LeseRegKey(name); }
    static void setzen(const QString& name, const QString& text) {
        SettingsStore().SchreibeRegKey(name, text);
    }

    // Acts like the person at the screen on the next modal window of type T: waits until
    // it is shown and runs the action from inside its event loop. A window that does not
    // come within the time limit fails the test; one nobody answers is closed, so that a
    // fault cannot hold the test for ever.
    template <typename T>
    void imFenster(std::function<void(T*)> aktion, const char* was, int grenzeMs = 15000) {
        auto* takt = new QTimer(qApp);
        auto uhr = std::make_shared<QElapsedTimer>();
        uhr->start();
        QObject::connect(takt, &QTimer::timeout, takt, [takt, uhr, aktion, was, grenzeMs] {
            QWidget* oben = QApplication::activeModalWidget();
            if (T* fenster = qobject_cast<T*>(oben); fenster && fenster->isVisible()) {
                takt->stop();
                takt->deleteLater();
                aktion(fenster);
                return;
            }
            if (uhr->elapsed() < grenzeMs)
                return;
            takt->stop();
            takt->deleteLater();
            ADD_FAILURE() << "Kein Fenster für: " << was;
            if (auto* dialog = qobject_cast<QDialog*>(oben))
                dialog->reject();
        });
        takt->start(10);
    }

    // Picks the colour in the colour dialog the button opens.
    void farbeWaehlen(QPushButton* knopf, const QColor& farbe) {
        imFenster<QColorDialog>(
            [farbe](QColorDialog* d) {
                d->setCurrentColor(farbe);
                d->accept();
            },
            "Farbauswahl");
        knopf->click();
    }
    // Opens the settings dialog through the main window's tool button and acts in it; OK
    // closes it unless the action did.
    void einstellungen(const std::function<void(TEinstellform*)>& aktion) {
        imFenster<TEinstellform>(
            [aktion](TEinstellform* e) {
                aktion(e);
                if (e->isVisible())
                    e->OkButton->click();
            },
            "Einstellungen");
        programm().hauptfenster().SpeedButton2->click();
    }
    // Opens the search window for the selected database and acts in it; "Abbrechen"
    // closes it unless the action did.
    void suchfenster(const std::function<void(TSuchForm*)>& aktion) {
        imFenster<TSuchForm>(
            [aktion](TSuchForm* s) {
                aktion(s);
                if (s->isVisible())
                    s->CancelBtn->click();
            },
            "Suchfenster");
        programm().hauptfenster().SuchenBtn->click();
    }

    ProtokollNotifier notifier;
    ProtokollShell shell;

private:
    std::unique_ptr<Anwendung> anwendung_;
    QString vorher_;
};
