#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class SettingsStore;

// The settings dialog: colours, viewer font size, the two options and the browser.
class TEinstellform : public QDialog {
    Q_OBJECT
public:
    TEinstellform(SettingsStore& einstellungen, QWidget* parent = nullptr);

    QCheckBox* suchtextInZwischenablage() const { return SuchtextInClipbrdCheckBox; }
    QCheckBox* kurzhinweisImViewer() const { return KurzhinweisImViewerZeigenCheckBox; }

    void setFensterfarbe(const QColor& farbe);

public Q_SLOTS:
    void OkButtonClick();

private:
    SettingsStore& einstellungen_;
    QCheckBox* SuchtextInClipbrdCheckBox;
    QCheckBox* KurzhinweisImViewerZeigenCheckBox;
    QPushButton* OkButton;
    QPushButton* AbbruchButton;
};
