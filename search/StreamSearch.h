#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// What the searches take from the search window: the two check boxes, the run flag of the
// search run and the text the document search looks for next; and for the document search
// the search field, the document-name field, the Unicode check boxes and the hidden memo.
struct TSuchfensterZustand {
    bool GrossKleinBeachten = false;
    bool NurGanzeWoerter = false;
    bool SucheLaeuft = false;
    QString NaechsterSuchtext;
    QString Dateimarke;
    QString TntEdit2;
    QString Dokumentname;
    bool chkUnicode = false;
    bool chkUnicodeBE = false;
    QStringList TntMemo1;
};

// ACurrentPos, AMaximalPos, AContinueSearching (preset to true).
using TStreamSearchProgress = std::function<void(qint64, qint64, bool&)>;

// Finds a text in a file of any size block by block, without loading the file.
class TStreamSearch : public QObject {
public:
    enum : quint8 { GrossKlein = 1, GanzeWoerter = 2, Rueckwaerts = 4 };
    static constexpr qint64 Blockgroesse = 65536;

    explicit TStreamSearch(QObject* parent = nullptr);
    ~TStreamSearch() override;

    // Opens the file read-only; false (with Fehler()) when it cannot be opened.
    bool setFileName(const QString& name);
    // Searches an outside stream without owning it.
    void setStream(QIODevice* stream);
    QString fileName() const { return m_dateiname; }
    QString Fehler() const { return m_fehler; }

    bool FindFirst(const QString& text, quint8 encoding, quint8 options, qint64 start);
    bool FindNext(bool backward, const TSuchfensterZustand& fenster);

    qint64 FoundStart() const { return m_foundStart; }
    qint64 FoundLength() const { return m_foundLength; }

    TStreamSearchProgress OnProgress;

    // 2 for UTF-16 (codes 71 and 72), otherwise 1.
    static int Zeichenbreite(quint8 encoding);

private:
    void schliesse();
    void setzeZurueck();
    bool suche(qint64 start, quint8 options);

    QIODevice* m_stream = nullptr;
    std::unique_ptr<QIODevice> m_eigenerStream;
    QString m_dateiname;
    QString m_fehler;
    qint64 m_suchStart = 0;
    qint64 m_streamGroesse = 0;
    qint64 m_foundStart = -1;
    qint64 m_foundLength = 0;
    int m_breite = 1;
    QString m_text;
    quint8 m_encoding = 0;
    quint8 m_options = 0;
    QByteArray m_puffer;
};
