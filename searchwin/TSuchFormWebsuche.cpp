// The web search of the search window: topics and addresses from the user's address list,
// the stored selection, and the button that sends the search word to the chosen site.

#include "searchwin/TSuchForm.h"

#include "search/Browserstart.h"
#include "searchwin/Adressliste.h"
#include "searchwin/Webseitendelegate.h"
#include "searchwin/Websuche.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

void TSuchForm::websucheAnbinden() {
    browser_ =
        std::make_unique<TBrowserstart>(dienste_.einstellungen, dienste_.shell, dienste_.notifier);
    auto fensterfarbe = [this] { return fensterfarbe_; };
    TntComboBox1->setItemDelegate(
        new Webseitendelegate(Webseitendelegate::Art::Thema, fensterfarbe, TntComboBox1));
    TntListBox1->setItemDelegate(
        new Webseitendelegate(Webseitendelegate::Art::Adresse, fensterfarbe, TntListBox1));
    TntListBox1->viewport()->setMouseTracking(true);
    connect(TntComboBox1, &QComboBox::activated, this, &TSuchForm::TntComboBox1Click);
    connect(TntListBox1, &QListWidget::currentRowChanged, this, &TSuchForm::TntListBox1Click);
    connect(SuchImInternetBtn, &QPushButton::clicked, this, &TSuchForm::SuchImInternetBtnClick);
}

void TSuchForm::ThemenFuellen() {
    const Webseitenauswahl::Stand stand = webseiten_.fuellen();
    if (!stand.dateiVorhanden) {
        TntListBox1->clear();
        return;
    }
    themen_ = stand.themen;
    {
        const QSignalBlocker sperre(TntComboBox1);
        TntComboBox1->clear();
        TntComboBox1->addItems(themen_);
        TntComboBox1->setCurrentIndex(stand.thema);
    }
    adressenZeigen(stand);
}

void TSuchForm::adressenZeigen(const Webseitenauswahl::Stand& stand) {
    const QSignalBlocker sperre(TntListBox1);
    TntListBox1->clear();
    TntListBox1->addItems(stand.adressen);
    TntListBox1->setCurrentRow(stand.adresse);
}

void TSuchForm::TntComboBox1Click() {
    adressenZeigen(webseiten_.TntComboBox1Click(themen_, TntComboBox1->currentIndex()));
}

void TSuchForm::TntListBox1Click() {
    webseiten_.TntListBox1Click(TntComboBox1->currentIndex(), TntListBox1->currentRow());
}

void TSuchForm::TntListBox1MouseMove() {
    // The hint tells about the selected address, not the one under the mouse.
    if (const QListWidgetItem* gewaehlt = TntListBox1->currentItem())
        TntListBox1->setToolTip(Adressliste::hinweis(Adressliste::art(gewaehlt->text())));
}

void TSuchForm::inZwischenablage(const QString& text) {
    ClipbrdTntEdit->setText(text);
    ClipbrdTntEdit->selectAll();
    ClipbrdTntEdit->copy();
}

void TSuchForm::SuchImInternetBtnClick() {
    // A sorted-list build may hold the place of the web panel; the button brings it back.
    if (Panel2->isHidden()) {
        if (TntListBox1->count() > 0)
            TntListBox1->setCurrentRow(0);
        Panel2->show();
        TntLabel1->setText(Websuche::suchtextLabel(TntEdit2->text()));
        return;
    }
    TntLabel1->setText(QStringLiteral("Suchtext: "));
    const QListWidgetItem* gewaehlt = TntListBox1->currentItem();
    Websuche::Aktionen aktionen;
    aktionen.inZwischenablage = [this](const QString& text) { inZwischenablage(text); };
    aktionen.StarteInternetBrowser = [this](const QString& adresse) {
        browser_->StarteInternetBrowser(adresse);
    };
    const bool zwischenablage =
        suchlaufHaken_.suchtextInZwischenablage && suchlaufHaken_.suchtextInZwischenablage();
    if (!Websuche::suchen(gewaehlt != nullptr, gewaehlt ? gewaehlt->text() : QString(),
                          TntEdit2->text(), zwischenablage, aktionen))
        return;
    TntEdit2->clear();
    if (ViewerMemo->textCursor().hasSelection() && ViewerMemo->isVisible())
        ViewerMemo->setFocus();
}
