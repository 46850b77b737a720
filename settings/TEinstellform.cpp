#include "settings/TEinstellform.h"

#include "platform/SettingsStore.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TEinstellform::TEinstellform(SettingsStore& einstellungen, QWidget* parent)
    : QDialog(parent), einstellungen_(einstellungen) {
    setObjectName(QStringLiteral("Einstellform"));
    setWindowTitle(QStringLiteral("Einstellungen"));

    SuchtextInClipbrdCheckBox =
        new QCheckBox(QStringLiteral("Suchtext nach Suche in Zwischenablage kopieren"), this);
    SuchtextInClipbrdCheckBox->setObjectName(QStringLiteral("SuchtextInClipbrdCheckBox"));
    SuchtextInClipbrdCheckBox->setChecked(true);
    KurzhinweisImViewerZeigenCheckBox =
        new QCheckBox(QStringLiteral("Kurzhinweis im Viewer an Mauscursor anzeigen"), this);
    KurzhinweisImViewerZeigenCheckBox->setObjectName(
        QStringLiteral("KurzhinweisImViewerZeigenCheckBox"));
    KurzhinweisImViewerZeigenCheckBox->setChecked(true);

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    AbbruchButton = new QPushButton(QStringLiteral("&Abbruch"), this);
    AbbruchButton->setObjectName(QStringLiteral("AbbruchButton"));
    connect(OkButton, &QPushButton::clicked, this, &TEinstellform::OkButtonClick);
    connect(AbbruchButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OkButton);
    knoepfe->addWidget(AbbruchButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SuchtextInClipbrdCheckBox);
    layout->addWidget(KurzhinweisImViewerZeigenCheckBox);
    layout->addStretch();
    layout->addLayout(knoepfe);
}

void TEinstellform::setFensterfarbe(const QColor& farbe) {
    QPalette p = palette();
    p.setColor(QPalette::Window, farbe);
    setPalette(p);
    setAutoFillBackground(true);
}

void TEinstellform::OkButtonClick() {
    auto wert = [](QCheckBox* c) {
        return c->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    };
    einstellungen_.SchreibeRegKey(QStringLiteral("Suchwort_in_Zwischenablage_kopieren"),
                                  wert(SuchtextInClipbrdCheckBox));
    einstellungen_.SchreibeRegKey(QStringLiteral("Kurzhinweis_imViewer_anzeigen"),
                                  wert(KurzhinweisImViewerZeigenCheckBox));
    accept();
}
