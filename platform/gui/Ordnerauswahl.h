#pragma once

#include <QDialog>

class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

// The folder selection of the desktop: a tree of the folders of the file system, in
// German, opened at a given folder. OK hands back the chosen folder as a native path.
class Ordnerauswahl : public QDialog {
    Q_OBJECT
public:
    Ordnerauswahl(const QString& titel, const QString& start, QWidget* parent = nullptr);

    // The folder chosen so far, native; empty when none is chosen.
    QString ordner() const;
    // Selects a folder in the tree and shows it.
    void setOrdner(const QString& nativ);

    // Shows the selection modally; the chosen folder, or empty when the user cancels.
    static QString waehlen(QWidget* eltern, const QString& titel, const QString& start);

    QTreeView* Baum;
    QLabel* Pfad;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

private:
    QFileSystemModel* modell_;
};
