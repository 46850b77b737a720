#pragma once

#include "searchwin/TSuchForm.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"
#include "viewer/TextViewer.h"

#include <QTest>
#include <QtWidgets>

#include <memory>

class Suchfenster : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
    }
    // Built on first use, so that a test can write its files first.
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
    static QList<bool> aktiv(std::initializer_list<QWidget*> widgets) {
        QList<bool> out;
        for (const QWidget* w : widgets)
            out.append(w->isEnabled());
        return out;
    }
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
