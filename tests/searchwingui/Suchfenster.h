#pragma once

#include "searchwin/TSuchForm.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"
#include "viewer/TextViewer.h"

#include <QTest>
#include <QtWidgets>

#include <memory>

// A search window over the database "Akten" in a fresh program folder, shown offscreen,
// with recording settings, messages and shell.
class Suchfenster : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
    }
    // Built on first use, so that a test can write its files before the first paint.
    TSuchForm& form() {
        if (!form_) {
            form_ = std::make_unique<TSuchForm>(Dienste{einstellungen, notifier, shell, *pumpe},
                                                Programmordner(win()));
            form_->setDatenbank(QStringLiteral("Akten"));
            TSuchForm::SuchlaufHaken haken;
            haken.suchtextInZwischenablage = [this] { return zwischenablage; };
            form_->setSuchlaufHaken(haken);
            form_->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        }
        return *form_;
    }
    void neuesFenster() { form_.reset(); }
    // Which of the widgets take input, in their order.
    static QList<bool> aktiv(std::initializer_list<QWidget*> widgets) {
        QList<bool> out;
        for (const QWidget* w : widgets)
            out.append(w->isEnabled());
        return out;
    }
    // Writes the UTF-8 document and loads it through its button.
    void ladeUtf8(const QByteArray& inhalt) {
        schreibe(QStringLiteral("Datenbank/Akten_UTF8Dokument.txt"), inhalt);
        form().FormPaint();
        form().UTF8LadenButton->click();
    }

    SpeicherEinstellungen einstellungen;
    ProtokollNotifier notifier;
    ProtokollShell shell;
    Pump* pumpe = &Pump::still();
    bool zwischenablage = false;
    std::unique_ptr<TSuchForm> form_;
};
