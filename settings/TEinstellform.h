#pragma once

#include "settings/Einstellziele.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;
class SettingsStore;

// The settings dialog: colours, viewer font size, the two options; every change is
// stored at once.
class TEinstellform : public QDialog {
    Q_OBJECT
public:
    TEinstellform(SettingsStore& einstellungen, QWidget* parent = nullptr);

    void setZiele(Einstellziele ziele) { ziele_ = std::move(ziele); }
    // Screen-dependent default width of both windows.
    void setStandardBreite(int breite) { standardBreite_ = breite; }

    QCheckBox* suchtextInZwischenablage() const { return SuchtextInClipbrdCheckBox; }
    QCheckBox* kurzhinweisImViewer() const { return KurzhinweisImViewerZeigenCheckBox; }
    bool farbeGeaendert() const { return farbeGeaendert_; }

    void setFensterfarbe(const QColor& farbe);
    void setHinweisfarbe(const QColor& farbe);
    // The font and sort buttons only work while the search window is shown.
    void knoepfeAnpassen();

    void FarbenAendernButtonClick();
    void HinweistexteFarbenAendernButtonClick();
    void Button1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void OkButtonClick();
    void AbbruchButtonClick();

    QCheckBox* SuchtextInClipbrdCheckBox;
    QCheckBox* KurzhinweisImViewerZeigenCheckBox;
    QPushButton* FarbenAendernButton;
    QPushButton* HinweistexteFarbenAendernButton;
    QPushButton* Button1;
    QPushButton* SortierungAnzeigenBitBtn;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* OkButton;
    QPushButton* AbbruchButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fensterfarbeAnwenden(const QColor& farbe);

    SettingsStore& einstellungen_;
    Einstellziele ziele_;
    int standardBreite_ = 900;
    bool farbeGeaendert_ = false;
};
