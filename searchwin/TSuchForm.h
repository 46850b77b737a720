#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The search window: the search word side on the left, the document viewer on the right,
// the action buttons at the bottom. The main window prepares it for the selected database.
class TSuchForm : public QDialog {
    Q_OBJECT
public:
    enum class Variante { Keine, Ansi, Utf8, Unicode };

    explicit TSuchForm(QWidget* parent = nullptr);

    // Closes the file shown in the viewer.
    void DokumentSchliessen();
    void ViewerMemoLeeren();
    bool viewerMemoLeer() const;
    // The two caption labels above the viewer.
    void ErgebnisLabelsLeeren();
    // Forgets what was loaded and searched for the previous database.
    void SuchzustandZuruecksetzen();

    void setViewerSchriftgroesse(int punkte);
    int viewerSchriftgroesse() const;

    void setFensterfarbe(const QColor& farbe);
    void setHinweisfarbe(const QColor& farbe);

    QListWidget* vorschlagsliste() const { return TntListBox2; }
    QPushButton* sortierteListeLadenKnopf() const { return ZeilenAlsListeSortieren; }

    Variante GeladeneVariante = Variante::Keine;
    Variante AnzeigeVariante = Variante::Keine;
    bool SortierteListeAngezeigt = false;
    bool SortierungLaeuft = false;
    bool SucheLaeuft = false;
    bool LesezeichenErlaubt = false;
    qint64 AnsichtPosition = 0;
    QString DokumentDatei;

private:
    QWidget* PanelLinks;
    QWidget* PanelRechts;
    QWidget* PanelUnten;
    QLabel* Label1;
    QLineEdit* TntEdit2;
    QListWidget* TntListBox2;
    QLabel* Label8;
    QLabel* Label2;
    QPlainTextEdit* ViewerMemo;
    QPushButton* ZeilenAlsListeSortieren;
    QPushButton* CancelBtn;
};
